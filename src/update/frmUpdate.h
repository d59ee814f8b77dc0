#pragma once

#include "UpdateView.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The update window: a coloured status line, a download link shown when something
// newer was found, a log that More/Less folds out and in, and Close.
// Not modal; Esc closes it, as it closes every dialog.
class frmUpdate final : public QDialog
{
    Q_OBJECT

public:
    explicit frmUpdate(const QString &programTitle);

    void setStatus(const QString &text);
    // Black is the theme's text colour; green, yellow and red are made readable on the
    // window's background.
    void setStatusColour(UpdateView::Colour colour);
    QString logText() const { return log; }
    void setLogText(const QString &text);
    void hideLog();
    void hideLink();
    void showLink(const QString &caption, const QString &toolTip);
    void setCloseEnabled(bool enabled);

signals:
    void linkClicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    // A designed size in pixels at 96 DPI, as shown on this screen with this font.
    int scaled(int pixelsAt96) const;
    void Command3_Click();
    void apply_statusColour();

    QLabel *Label1 = nullptr;
    QLabel *lblWebURL = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command1 = nullptr;
    QPlainTextEdit *txtLogging = nullptr;
    QString log;
    UpdateView::Colour statusColour = UpdateView::Colour::Black;
};
