#include "frm_About.h"

#include "A_URL.h"
#include "platform/Appearance.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <cmath>

namespace {

QLabel *text(QWidget *parent, const char *name, const QString &content, bool bold = false,
             int pointDelta = 0)
{
    auto *label = new QLabel(content, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    if (bold || pointDelta) {
        QFont font = label->font();
        font.setBold(bold);
        if (pointDelta && font.pointSize() > 0)
            font.setPointSize(font.pointSize() + pointDelta);
        label->setFont(font);
    }
    return label;
}

QWidget *indented(QWidget *content)
{
    auto *box = new QWidget;
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(24, 0, 0, 0);
    layout->addWidget(content);
    return box;
}

const char disclaimer[] =
    "Disclaimer, important restrictions: This program may not be used for commercial purposes. "
    "The author can not be held responsible for any damage as a result from the programs output";

} // namespace

frm_About::frm_About(const AboutTexts &texts, ShellOpen &shell)
    : QDialog(nullptr, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      webAddress(texts.webAddress), shell(shell)
{
    setObjectName(QStringLiteral("frm_About"));
    setAttribute(Qt::WA_DeleteOnClose);
    // An open About window keeps the program running after the main window closed.
    setAttribute(Qt::WA_QuitOnClose);
    setWindowTitle(QStringLiteral("About ") + texts.programTitle);
    if (!QGuiApplication::windowIcon().isNull())
        setWindowIcon(QGuiApplication::windowIcon());

    QString translators = texts.translators;
    translators.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QString legal =
        texts.legalNotice.isEmpty() ? QStringLiteral("Not set in Project!") : texts.legalNotice;

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text(this, "Label1", texts.programTitle, true, 2));
    layout->addWidget(indented(text(this, "Label2", texts.authorLine, true)));
    layout->addWidget(indented(text(this, "Label3", texts.programDescription)));
    layout->addWidget(text(this, "Label9", QStringLiteral("Translations"), true));
    layout->addWidget(indented(text(this, "lblTranslators", translators)));
    layout->addWidget(
        text(this, "Label8", QStringLiteral("More information on this website"), true));

    auto *link = new QLabel(this);
    link->setObjectName(QStringLiteral("lblWebURL"));
    link->setTextFormat(Qt::RichText);
    link->setText(
        QStringLiteral("<a href=\"web\" style=\"color:%1\">%2</a>")
            .arg(palette().color(QPalette::Highlight).name(), webAddress.toHtmlEscaped()));
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setCursor(Qt::PointingHandCursor);
    link->setAccessibleName(webAddress);
    connect(link, &QLabel::linkActivated, this, &frm_About::lblWebURL_Click);
    layout->addWidget(indented(link));

    auto *legalRow = new QHBoxLayout;
    legalRow->addWidget(text(this, "Label4", QStringLiteral("Legal"), true));
    legalRow->addWidget(text(this, "Label5", legal), 1);
    layout->addLayout(legalRow);
    layout->addWidget(text(this, "Label6", QLatin1String(disclaimer)));
    layout->addWidget(text(this, "Label7", QString()));

    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    layout->addLayout(buttons);

    // 460 pixels at 96 DPI, wider with a larger logical DPI or font.
    const int fixedWidth = int(std::lround(460 * design_scale(*this)));
    setFixedWidth(fixedWidth);
    setFixedHeight(heightForWidth(fixedWidth) > 0 ? heightForWidth(fixedWidth)
                                                  : sizeHint().height());
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

void frm_About::lblWebURL_Click()
{
    shell_open(shell, webAddress);
}
