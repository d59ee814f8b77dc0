#pragma once

#include "UpdateView.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The update window: a coloured status line, a download link shown when something
// newer was found, a log that More/Less folds out and in, and Close.
class frmUpdate final : public QWidget
{
    Q_OBJECT

public:
    // Sizes as designed, in pixels at 96 dots per inch (15 twips a pixel); they grow
    // with the screen's logical DPI and with a larger font, so no text is clipped.
    static constexpr int clientWidth = 359;
    static constexpr int logTop = 112;
    static constexpr int logHeight = 123;
    static constexpr int foldedHeight = logTop + 7;
    static constexpr int unfoldedHeight = logTop + logHeight + 27;

    explicit frmUpdate(const QString &programTitle);

    void setStatus(const QString &text);
    // Black is the theme's text colour; green, yellow and red are made readable on the
    // window's background.
    void setStatusColour(UpdateView::Colour colour);
    // A designed size in pixels at 96 DPI, as shown on this screen with this font.
    int scaled(int pixelsAt96) const;
    QString logText() const { return log; }
    void setLogText(const QString &text);
    void hideLog();
    void hideLink();
    void showLink(const QString &caption, const QString &toolTip);
    void setCloseEnabled(bool enabled);

signals:
    void linkClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
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
