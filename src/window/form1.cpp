#include "form1.h"

#include "form_font.h"
#include "layout.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

namespace ricattura {

namespace {

const QColor kFormBackground(192, 192, 255);
const QColor kLabelText(0, 0, 192);

QString toWidgetText(const std::string& text) {
    // The exercise separates lines with CR LF; the widgets want a bare line feed.
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Stima della popolazione di un lago"));
    setFixedSize(toPixels(kClientArea).size());
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, kFormBackground);
    setPalette(windowPalette);
    setAutoFillBackground(true);
    setFont(formFont());
    buildControls();
    applyTabOrder();
    instructions_->setFocus();
}

void Form1::buildControls() {
    // Labels first, so that Text1 is drawn over the strip where "Istruzioni" reaches into it.
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        auto* label = new QLabel(QString::fromUtf8(kLabels[i].caption), this);
        label->setObjectName(QString::fromLatin1(kLabels[i].name));
        label->setGeometry(toPixels(kLabels[i].rect));
        QPalette p = label->palette();
        p.setColor(QPalette::Window, kFormBackground);
        p.setColor(QPalette::WindowText, kLabelText);
        label->setPalette(p);
        label->setAutoFillBackground(true);
        label->setAlignment(Qt::AlignTop | (i == 0 ? Qt::AlignLeft : Qt::AlignRight));
        labels_[i] = label;
    }

    instructions_ = new QPlainTextEdit(this);
    instructions_->setReadOnly(true);
    instructions_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    instructions_->setWordWrapMode(QTextOption::WordWrap);
    instructions_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    instructions_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    instructions_->setTabChangesFocus(true);
    // A caret the keyboard can move, so screen-reader users can read the guidance line by line.
    instructions_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    for (auto& count : counts_) {
        count = new QLineEdit(this);
        count->setReadOnly(true);
    }
    QLineEdit* markInput = counts_[indexOf(Field::Text3) - 1];
    markInput->setReadOnly(false);
    markInput->setMaxLength(std::numeric_limits<int>::max());

    for (std::size_t i = 0; i < kFieldCount; ++i) {
        QWidget* field = box(static_cast<Field>(i));
        field->setObjectName(QString::fromLatin1(kBoxes[i].name));
        field->setGeometry(toPixels(kBoxes[i].rect));
        field->setAccessibleName(labels_[i]->text());
        labels_[i]->setBuddy(field);
    }

    for (std::size_t i = 0; i < kButtonCount; ++i) {
        auto* push = new QPushButton(QString::fromUtf8(kButtons[i].caption), this);
        push->setObjectName(QString::fromLatin1(kButtons[i].name));
        push->setGeometry(toPixels(kButtons[i].rect));
        push->setAutoDefault(false);
        push->setEnabled(kEnabledAtStart[i]);
        const auto which = static_cast<Button>(i);
        connect(push, &QPushButton::clicked, this, [this, which] {
            if (onClick_) onClick_(which);
        });
        buttons_[i] = push;
    }
}

void Form1::applyTabOrder() {
    std::vector<std::pair<int, QWidget*>> order;
    for (std::size_t i = 0; i < kButtonCount; ++i) order.emplace_back(kButtons[i].tabIndex, buttons_[i]);
    for (std::size_t i = 0; i < kFieldCount; ++i) order.emplace_back(kBoxes[i].tabIndex, box(static_cast<Field>(i)));
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1].second, order[i].second);
}

void Form1::setClickHandler(ClickHandler handler) { onClick_ = std::move(handler); }

QWidget* Form1::box(Field which) const {
    if (which == Field::Text1) return instructions_;
    return counts_[indexOf(which) - 1];
}

void Form1::setText(Field field, const std::string& text) {
    if (field == Field::Text1)
        instructions_->setPlainText(toWidgetText(text));
    else
        counts_[indexOf(field) - 1]->setText(toWidgetText(text));
}

std::string Form1::markInputText() const { return counts_[indexOf(Field::Text3) - 1]->text().toStdString(); }

void Form1::setEnabled(Button button, bool enabled) { buttons_[indexOf(button)]->setEnabled(enabled); }

}  // namespace ricattura
