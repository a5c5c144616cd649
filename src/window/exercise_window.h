#pragma once

#include "core/main_view.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace ricattura {

class Announcer;

// The program's one window: shows what the exercise writes and forwards every click.
class ExerciseWindow final : public QWidget, public MainView {
public:
    using ClickHandler = std::function<void(Button)>;

    explicit ExerciseWindow(const std::string& title, QWidget* parent = nullptr);

    void setClickHandler(ClickHandler handler);

    void setText(Field field, const std::string& text) override;
    std::string markInputText() const override;
    void setEnabled(Button button, bool enabled) override;
    void announce(const std::string& words) override;
    void focus(Button button) override;

    QPushButton* button(Button which) const { return buttons_[indexOf(which)]; }
    QWidget* box(Field which) const { return boxes_[indexOf(which)]; }

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildControls();
    void applyTabOrder();
    void press(Button which);
    void sayHeldWords();

    QLineEdit* line(Field which) const;  // every box but the instructions

    ClickHandler onClick_;
    std::array<QPushButton*, kButtonCount> buttons_{};
    QPlainTextEdit* instructions_ = nullptr;
    std::array<QWidget*, kFieldCount> boxes_{};  // the instructions, then the one-line boxes
    std::array<QLabel*, kFieldCount> labels_{};
    Announcer* announcer_ = nullptr;  // speaks each step to a screen reader
    QString heldWords_;               // announced before the window was first active, when no reader hears them
    bool everActive_ = false;
    bool pressing_ = false;  // while the exercise answers a press
};

}  // namespace ricattura
