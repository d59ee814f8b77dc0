#pragma once

#include <QColor>
#include <QString>
#include <QValidator>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

// The window's controls as every page builds them. Control names follow the
// program's own naming ("lstPower", "Check1(2)").
namespace Controls {

QString indexed(const char *array, int index); // "Check1(2)"

// A caption, drawn as plain text: a "<b>" in a language file is shown, not obeyed.
QLabel *label(const char *name, QWidget *buddy = nullptr, const QString &text = {});
QLabel *intro(const char *name); // wraps

// A list of fixed entries; it keeps its natural width, and lists with many entries
// do not measure every entry for their size.
QComboBox *list(const char *name, int minimumCharacters = 12);
void fill(QComboBox *box, const QStringList &entries); // without signals

QLineEdit *readOnlyBox(const char *name);

// A warning in its colour (made readable on the page by recolour_warnings), which
// keeps its place and room for two lines while hidden, so that nothing below it
// moves; screen readers announce it when it appears.
QLabel *warning(const char *name, const QColor &wanted);
void recolour_warnings(QWidget *window, const QColor &page);

// A list reports its entry as its name, so its caption is its description for
// screen readers; after a change of language, every list of the window.
void describe_lists(QWidget *window);

// Every way text gets into a box (typing, pasting, dropping, an input method) ends
// in one text change: the box's rule is applied there. The rule gives the text the
// box keeps, or nothing to refuse the whole change.
class RuleValidator final : public QValidator
{
public:
    using Rule = std::optional<QString> (*)(const QString &text);
    RuleValidator(Rule rule, QObject *parent) : QValidator(parent), rule(rule) {}
    State validate(QString &input, int &position) const override;

private:
    Rule rule;
};

} // namespace Controls
