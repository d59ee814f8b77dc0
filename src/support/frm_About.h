#pragma once

#include <QWidget>

class ShellOpen;
struct ProgramContext;

// The About window: title, author, description, the translators of the installed
// language files, the web site link, the legal notice and a disclaimer. Kept above
// other windows and centred on the screen; it closes with OK.
class frm_About final : public QWidget
{
    Q_OBJECT

public:
    frm_About(ProgramContext &context, ShellOpen &shell);

    static QString disclaimer();

private:
    void lblWebURL_Click();

    ProgramContext &context;
    ShellOpen &shell;
};
