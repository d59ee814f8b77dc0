#pragma once

#include <QString>
#include <QWidget>

class ShellOpen;

// The About window: title, author, description, the translators of the installed
// language files, the web site link, the legal notice and a disclaimer. Kept above
// other windows and centred on the screen; it closes with OK.
// What the About window shows.
struct AboutTexts
{
    QString programTitle;
    QString authorLine;
    QString programDescription;
    QString translators; // one "language by translator" a line
    QString webAddress;
    QString legalNotice; // empty: not set in the build
};

class frm_About final : public QWidget
{
    Q_OBJECT

public:
    frm_About(const AboutTexts &texts, ShellOpen &shell);

    static QString disclaimer();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void lblWebURL_Click();

    QString webAddress;
    ShellOpen &shell;
};
