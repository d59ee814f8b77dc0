#include "WindowTexts.h"

#include "Form1.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

namespace {

void set_caption(QMenu *menu, const QString &text)
{
    menu->setTitle(text);
}

void set_caption(QAction *action, const QString &text)
{
    action->setText(text);
}

void set_caption(QAbstractButton *button, const QString &text)
{
    button->setText(text);
}

void set_caption(QLabel *label, const QString &text)
{
    label->setText(text);
}

void unused(Form1 &, const QString &)
{}

template <auto member> void caption(Form1 &window, const QString &text)
{
    set_caption(window.*member, text);
}

template <auto member, size_t index> void item(Form1 &window, const QString &text)
{
    set_caption((window.*member)[index], text);
}

template <auto member, int index> void tab(Form1 &window, const QString &text)
{
    (window.*member)->setTabText(index, text);
}

} // namespace

// Each row names the member it sets, so a control that is renamed or gone stops
// the build instead of the program.
const std::array<WindowText, windowTextCount> &Form1::window_texts()
{
    static const std::array<WindowText, windowTextCount> texts = {{
        {"MENU0001", "File", "Main window, first menu", caption<&Form1::mnuFile>},
        {"MENU0002", "Exit", "Main window, first menu, first sub-menu",
         caption<&Form1::mnuFileExit>},
        {"MENU0003", "Options", "Mian window, second menu entry", caption<&Form1::mnuOptions>},
        {"MENU0004", "About this program", "Main window, third menu,second sub-menu",
         caption<&Form1::mnuHelpAbout>},
        {"MENU0005", "Check for updates", "Main window, third menu,last sub-menu",
         caption<&Form1::mnuHelpUpdate>},
        {"ITEM0001", "General", "Main window, first tab name", tab<&Form1::SSTab1, 0>},
        {"ITEM0002",
         "Select elements you want included in your beacon comment, then copy to clipboard to "
         "paste it in your APRS program",
         "Main window, first tab, intro text", caption<&Form1::lblIntroGeneral>},
        {"ITEM0003", "Copy to Clipboard", "Main window, first Tab, copy to clipboard button",
         caption<&Form1::cmdCopyToClipboard>},
        {"ITEM0034", "PHG", "Main window, first Tab, first checkbox ", item<&Form1::Check1, 0>},
        {"ITEM0035", "Altitude", "Main window, first Tab, second checkbox",
         item<&Form1::Check1, 1>},
        {"ITEM0036", "Operating Frequency", "Main window, first Tab, third checkbox",
         item<&Form1::Check1, 2>},
        {"ITEM0037", "Extended Operating Frequency", "Main window, first Tab, fourth checkbox",
         item<&Form1::Check1, 3>},
        {"ITEM0038", "Free beacon text", "Main window, first Tab, fifth checkbox",
         item<&Form1::Check1, 4>},
        {"ITEM0041", "Beacon comment",
         "Main window, first Tab, label left of textbox with beacon comment",
         caption<&Form1::lblBeaconComment>},
        {"ITEM0004", "PHG", "Main window, second tab name", tab<&Form1::SSTab1, 1>},
        {"ITEM0005",
         "Enter Power, Height, Gain and directional information of your antenna, (Height is above "
         "average terrain)",
         "Main window, second tab, intro text", caption<&Form1::lblIntroPHG>},
        {"ITEM0006", "Power", "Main window, second tab, label above Power combobox",
         caption<&Form1::lblPHGPower>},
        {"ITEM0007", "Height", "Main window, second tab, label above Height combobox",
         caption<&Form1::lblPHGHeight>},
        {"ITEM0008", "Gain", "Main window, second tab, label above Gain combobox",
         caption<&Form1::lblPHGGain>},
        {"ITEM0009", "Direction", "Main window, second tab, label above Power combobox",
         caption<&Form1::lblPHGDirection>},
        {"ITEM0010", "OMNI", "Main window, second tab, centre option under Direction",
         item<&Form1::optDirection, 0>},
        {"ITEM0011", "NE (45) ", "second tab, 45 degrees option under Direction",
         item<&Form1::optDirection, 1>},
        {"ITEM0012", "E (90)", "second tab, 90 degrees option under Direction",
         item<&Form1::optDirection, 2>},
        {"ITEM0013", "SE (135)", "second tab, 135 degrees option under Direction",
         item<&Form1::optDirection, 3>},
        {"ITEM0014", "S (180)", "second tab, 180 degrees option under Direction",
         item<&Form1::optDirection, 4>},
        {"ITEM0015", "SW (225)", "second tab, 225 degrees option under Direction",
         item<&Form1::optDirection, 5>},
        {"ITEM0016", "W (270)", "second tab, 270 degrees option under Direction",
         item<&Form1::optDirection, 6>},
        {"ITEM0017", "NW (315)", "second tab, 315 degrees option under Direction",
         item<&Form1::optDirection, 7>},
        {"ITEM0018", "N (360)", "second tab, 360 degrees option under Direction",
         item<&Form1::optDirection, 8>},
        {"ITEM0019", "Altitude", "Main window, third tab name", tab<&Form1::SSTab1, 2>},
        {"ITEM0020", "Enter altitude of antenna above average terrain",
         "Main window, third tab, intro text", caption<&Form1::lblIntroAltitude>},
        {"ITEM0021", "Altitude in feet", "Main window, third tab, second textbox from below",
         caption<&Form1::lblAltFeet>},
        {"ITEM0022", "Altitude in meters", "Main window, third tab, bottom textbox ",
         caption<&Form1::lblAltMeters>},
        {"ITEM0023", "Operating Frequency", "Main window, fourth tab name", tab<&Form1::SSTab1, 3>},
        {"ITEM0024", "Select your voice frequency including repeater tone code (if applicable)",
         "Main window, fourth tab, intro text", caption<&Form1::lblIntroOperFreq>},
        {"ITEM0025", "Select frequency",
         "Main window, fourth tab, label left of frequency combobox",
         caption<&Form1::lblOperFreqSelectFreq>},
        {"ITEM0042", "Step", "Main window, fourth tab, label left of frequency-step combobox",
         caption<&Form1::lblOperFreqStep>},
        {"ITEM0043", "Band", "Main window, fourth tab, label left of frequency-step combobox",
         caption<&Form1::lblOperFreqBand>},
        {"ITEM0039", "Ext. Operating Frequency", "Main window, fifth tab name",
         tab<&Form1::SSTab1, 4>},
        // Still looked up and counted; the page describes its element instead.
        {"ITEM0040", "Not implemented yet", "Main window, fifth tab, intro text", unused},
        {"ITEM0026", "Free text", "Main window, sixth tab name", tab<&Form1::SSTab1, 5>},
        {"ITEM0027", "Enter free text that goes at the end of the beacon comment",
         "Main window, sixth tab, intro text", caption<&Form1::lblIntroFreeText>},
        {"ITEM0028", "Your beacon comment shortened to max 43 characters",
         "Main window, first tab, warningtext below beaconcomment ", caption<&Form1::lblWarning>},
        {"ITEM0029", "Your comment", "Main window, sixth tab, label left of textbox",
         caption<&Form1::lblYourComment>},
        {"ITEM0030", "include Rate", "Main window, second tab, checbox above RATE combobox",
         caption<&Form1::chkRate>},
        {"ITEM0031", "Rate", "Main window, second tab, label above RATE combobox",
         caption<&Form1::lblRate>},
        {"ITEM0032", "Narrow",
         "Main window, fourth tab, top radiobuttun right of Frequency combobox",
         item<&Form1::optWideFM, 0>},
        {"ITEM0033", "Wide",
         "Main window, fourth tab, bottom radiobuttun right of Frequency combobox",
         item<&Form1::optWideFM, 1>},
    }};
    return texts;
}
