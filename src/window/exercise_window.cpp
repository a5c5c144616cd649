#include "window/exercise_window.h"

#include "window/form_font.h"
#include "window/one_line_box_accessible.h"
#include "core/layout.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPainter>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

#include <limits>
#include <utility>

namespace ricattura {

namespace {

QColor toColor(Rgb c) { return {c.red, c.green, c.blue}; }

QRect toRect(const TwipRect& twips) {
    const PixelRect r = toPixels(twips);
    return {r.left, r.top, r.width, r.height};
}

QString toWidgetText(const std::string& text) {
    // The exercise separates lines with CR LF; the widgets want a bare line feed.
    return QString::fromStdString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

// The exercise's words for a screen reader, away from the focus: a notification that shows itself again after each
// click, which Orca presents by role and content whatever has the focus. It takes no room and no focus, so nothing
// of it is drawn; its one label carries the words too, for screen readers that read a notification's labels.
class Announcer final : public QWidget {
public:
    explicit Announcer(QWidget* parent) : QWidget(parent), words_(new QLabel(this)) {
        setObjectName(QStringLiteral("Annuncio"));
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 0, 0);
        words_->setGeometry(0, 0, 0, 0);
        hide();  // until it has words: shown with the window, it would be an empty notification
    }

    void say(const QString& words) {
        setAccessibleName(words);
        words_->setText(words);
        hide();  // state-changed:showing, off and on again, is what a notification reports when it appears
        show();
    }

private:
    QLabel* words_;
};

namespace {

QAccessibleInterface* notificationRole(const QString&, QObject* object) {
    auto* announcer = dynamic_cast<Announcer*>(object);
    return announcer ? new QAccessibleWidget(announcer, QAccessible::Notification) : nullptr;
}

// A one-line box. Qt selects all of a box's text when Tab brings the focus in, before it tells a screen reader where
// the focus is, so the reader speaks the value twice. Only the box the student types into is selected, so that typing
// replaces the proposal, and only once the focus has been told.
class CountBox final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override {
        const Qt::FocusReason reason = event->reason();
        QFocusEvent unselecting(event->type(), Qt::OtherFocusReason);
        QLineEdit::focusInEvent(&unselecting);
        const bool byKeyboard =
            reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::ShortcutFocusReason;
        if (byKeyboard && !isReadOnly()) QMetaObject::invokeMethod(this, &QLineEdit::selectAll, Qt::QueuedConnection);
    }
};

bool isEnter(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && !key.isAutoRepeat() &&
           (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

ExerciseWindow::ExerciseWindow(const std::string& title, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromStdString(title));
    setFixedSize(toRect(kClientArea).size());
    setFont(formFont());
    // Before any control is made: Qt keeps the first interface it makes for a control.
    QAccessible::installFactory(oneLineBoxAccessible);
    QAccessible::installFactory(notificationRole);
    buildControls();
    announcer_ = new Announcer(this);
    applyTabOrder();
    instructions_->setFocus();
}

void ExerciseWindow::buildControls() {
    // Labels first, so that Instructions is drawn over the strip where "Istruzioni" reaches into it.
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        auto* label = new QLabel(QString::fromUtf8(kLabels[i].caption), this);
        label->setObjectName(QString::fromLatin1(kLabels[i].name));
        label->setGeometry(toRect(kLabels[i].rect));
        QPalette p = label->palette();
        p.setColor(QPalette::Window, toColor(kFormBackground));
        p.setColor(QPalette::WindowText, toColor(kLabelText));
        label->setPalette(p);
        label->setAutoFillBackground(true);
        label->setAlignment(Qt::AlignTop | (kLabels[i].align == Align::Left ? Qt::AlignLeft : Qt::AlignRight));
        label->setAccessibleName(QString::fromUtf8(spokenName(Field(i))));  // Orca names a box by its label
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
    boxes_[indexOf(Field::Instructions)] = instructions_;
    for (std::size_t i = 1; i < kFieldCount; ++i) {
        auto* count = new CountBox(this);
        count->setReadOnly(!kBoxes[i].editable);
        count->setMaxLength(std::numeric_limits<int>::max());  // the student may paste any text
        boxes_[i] = count;
    }

    for (std::size_t i = 0; i < kFieldCount; ++i) {
        QWidget* field = boxes_[i];
        field->setObjectName(QString::fromLatin1(kBoxes[i].name));
        field->setGeometry(toRect(kBoxes[i].rect));
        field->setAccessibleName(QString::fromUtf8(spokenName(Field(i))));
        labels_[i]->setBuddy(field);
    }

    for (std::size_t i = 0; i < kButtonCount; ++i) {
        auto* push = new QPushButton(QString::fromUtf8(kButtons[i].caption), this);
        push->setObjectName(QString::fromLatin1(kButtons[i].name));
        push->setGeometry(toRect(kButtons[i].rect));
        push->setAutoDefault(false);
        push->setEnabled(kButtons[i].enabledAtStart);
        push->installEventFilter(this);
        connect(push, &QPushButton::clicked, this, [this, i] { press(Button(i)); });
        buttons_[i] = push;
    }
    connect(line(kEnterBox), &QLineEdit::returnPressed, buttons_[indexOf(kEnterPresses)], &QPushButton::click);
}

void ExerciseWindow::applyTabOrder() {
    QWidget* previous = nullptr;
    for (const ControlRef& c : controlsInTabOrder()) {
        if (c.kind == ControlRef::Kind::Label) continue;  // labels never take the focus
        QWidget* next = c.kind == ControlRef::Kind::Button ? buttons_[c.index] : boxes_[c.index];
        if (previous) setTabOrder(previous, next);
        previous = next;
    }
}

void ExerciseWindow::changeEvent(QEvent* event) {
    // The style draws its focus ring only once the keyboard has moved the focus, a mark Qt drops on the way to an
    // active window: here the focused control always shows it, after a click too, or after a step that switched
    // itself off handed the focus on.
    if (event->type() == QEvent::ActivationChange) setAttribute(Qt::WA_KeyboardFocusChange);
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !everActive_) {
        everActive_ = true;
        // Said after the focus that activation brings: a screen reader speaks that first, cutting short anything else.
        QMetaObject::invokeMethod(
            this, [this] { sayHeldWords(); }, Qt::QueuedConnection);
    }
}

bool ExerciseWindow::eventFilter(QObject* watched, QEvent* event) {
    // Enter presses the focused step as Space does, without making any button the default.
    if (event->type() == QEvent::KeyPress && isEnter(*static_cast<QKeyEvent*>(event))) {
        static_cast<QPushButton*>(watched)->click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

bool ExerciseWindow::focusNextPrevChild(bool next) {
    // A step that switched itself off keeps the focus until the exercise hands it on: no control in between is heard.
    if (pressing_ && focusWidget() && !focusWidget()->isEnabled()) return true;
    return QWidget::focusNextPrevChild(next);
}

void ExerciseWindow::press(Button which) {
    if (!onClick_) return;
    pressing_ = true;
    onClick_(which);
    pressing_ = false;
    // Left on a step that no longer responds, the keyboard could not move on.
    if (focusWidget() && !focusWidget()->isEnabled()) focusNextChild();
}

void ExerciseWindow::paintEvent(QPaintEvent*) {
    // Only the form itself takes the form's colour: a palette would reach the buttons' and boxes'
    // frames too, and the platform's own colours belong there.
    QPainter(this).fillRect(rect(), toColor(kFormBackground));
}

void ExerciseWindow::setClickHandler(ClickHandler handler) { onClick_ = std::move(handler); }

QLineEdit* ExerciseWindow::line(Field which) const { return static_cast<QLineEdit*>(boxes_[indexOf(which)]); }

void ExerciseWindow::setText(Field field, const std::string& text) {
    if (field == Field::Instructions)
        instructions_->setPlainText(toWidgetText(text));
    else
        line(field)->setText(toWidgetText(text));
}

std::string ExerciseWindow::markInputText() const { return line(Field::ToMark)->text().toStdString(); }

void ExerciseWindow::setEnabled(Button button, bool enabled) { buttons_[indexOf(button)]->setEnabled(enabled); }

void ExerciseWindow::announce(const std::string& words) {
    heldWords_ = QString::fromStdString(words);
    if (everActive_) sayHeldWords();
}

void ExerciseWindow::sayHeldWords() {
    if (!heldWords_.isEmpty()) announcer_->say(std::exchange(heldWords_, {}));
}

void ExerciseWindow::focus(Button button) {
    setAttribute(Qt::WA_KeyboardFocusChange);  // the ring shows where the keyboard now is
    buttons_[indexOf(button)]->setFocus(Qt::TabFocusReason);
}

}  // namespace ricattura
