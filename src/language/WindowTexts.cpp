#include "WindowTexts.h"

#include <cstring>

namespace {

const std::array<WindowText, windowTextCount> texts = {{
    {"MENU0001", "File", "Main window, first menu", "mnuFile"},
    {"MENU0002", "Exit", "Main window, first menu, first sub-menu", "mnuFileExit"},
    {"MENU0003", "Options", "Mian window, second menu entry", "mnuOptions"},
    {"MENU0004", "About this program", "Main window, third menu,second sub-menu", "mnuHelpAbout"},
    {"MENU0005", "Check for updates", "Main window, third menu,last sub-menu", "mnuHelpUpdate"},
    {"ITEM0001", "General", "Main window, first tab name", "SSTab1(0)"},
    {"ITEM0002",
     "Select elements you want included in your beacon comment, then copy to clipboard to paste it "
     "in your APRS program",
     "Main window, first tab, intro text", "lblIntroGeneral"},
    {"ITEM0003", "Copy to Clipboard", "Main window, first Tab, copy to clipboard button",
     "cmdCopyToClipboard"},
    {"ITEM0034", "PHG", "Main window, first Tab, first checkbox ", "Check1(0)"},
    {"ITEM0035", "Altitude", "Main window, first Tab, second checkbox", "Check1(1)"},
    {"ITEM0036", "Operating Frequency", "Main window, first Tab, third checkbox", "Check1(2)"},
    {"ITEM0037", "Extended Operating Frequency", "Main window, first Tab, fourth checkbox",
     "Check1(3)"},
    {"ITEM0038", "Free beacon text", "Main window, first Tab, fifth checkbox", "Check1(4)"},
    {"ITEM0041", "Beacon comment",
     "Main window, first Tab, label left of textbox with beacon comment", "lblBeaconComment"},
    {"ITEM0004", "PHG", "Main window, second tab name", "SSTab1(1)"},
    {"ITEM0005",
     "Enter Power, Height, Gain and directional information of your antenna, (Height is above "
     "average terrain)",
     "Main window, second tab, intro text", "lblIntroPHG"},
    {"ITEM0006", "Power", "Main window, second tab, label above Power combobox", "lblPHGPower"},
    {"ITEM0007", "Height", "Main window, second tab, label above Height combobox", "lblPHGHeight"},
    {"ITEM0008", "Gain", "Main window, second tab, label above Gain combobox", "lblPHGGain"},
    {"ITEM0009", "Direction", "Main window, second tab, label above Power combobox",
     "lblPHGDirection"},
    {"ITEM0010", "OMNI", "Main window, second tab, centre option under Direction",
     "optDirection(0)"},
    {"ITEM0011", "NE (45) ", "second tab, 45 degrees option under Direction", "optDirection(1)"},
    {"ITEM0012", "E (90)", "second tab, 90 degrees option under Direction", "optDirection(2)"},
    {"ITEM0013", "SE (135)", "second tab, 135 degrees option under Direction", "optDirection(3)"},
    {"ITEM0014", "S (180)", "second tab, 180 degrees option under Direction", "optDirection(4)"},
    {"ITEM0015", "SW (225)", "second tab, 225 degrees option under Direction", "optDirection(5)"},
    {"ITEM0016", "W (270)", "second tab, 270 degrees option under Direction", "optDirection(6)"},
    {"ITEM0017", "NW (315)", "second tab, 315 degrees option under Direction", "optDirection(7)"},
    {"ITEM0018", "N (360)", "second tab, 360 degrees option under Direction", "optDirection(8)"},
    {"ITEM0019", "Altitude", "Main window, third tab name", "SSTab1(2)"},
    {"ITEM0020", "Enter altitude of antenna above average terrain",
     "Main window, third tab, intro text", "lblIntroAltitude"},
    {"ITEM0021", "Altitude in feet", "Main window, third tab, second textbox from below",
     "lblAltFeet"},
    {"ITEM0022", "Altitude in meters", "Main window, third tab, bottom textbox ", "lblAltMeters"},
    {"ITEM0023", "Operating Frequency", "Main window, fourth tab name", "SSTab1(3)"},
    {"ITEM0024", "Select your voice frequency including repeater tone code (if applicable)",
     "Main window, fourth tab, intro text", "lblIntroOperFreq"},
    {"ITEM0025", "Select frequency", "Main window, fourth tab, label left of frequency combobox",
     "lblOperFreqSelectFreq"},
    {"ITEM0042", "Step", "Main window, fourth tab, label left of frequency-step combobox",
     "lblOperFreqStep"},
    {"ITEM0043", "Band", "Main window, fourth tab, label left of frequency-step combobox",
     "lblOperFreqBand"},
    {"ITEM0039", "Ext. Operating Frequency", "Main window, fifth tab name", "SSTab1(4)"},
    {"ITEM0040", "Not implemented yet", "Main window, fifth tab, intro text", "lblIntroExtOprFreq"},
    {"ITEM0026", "Free text", "Main window, sixth tab name", "SSTab1(5)"},
    {"ITEM0027", "Enter free text that goes at the end of the beacon comment",
     "Main window, sixth tab, intro text", "lblIntroFreeText"},
    {"ITEM0028", "Your beacon comment shortened to max 43 characters",
     "Main window, first tab, warningtext below beaconcomment ", "lblWarning"},
    {"ITEM0029", "Your comment", "Main window, sixth tab, label left of textbox", "lblYourComment"},
    {"ITEM0030", "include Rate", "Main window, second tab, checbox above RATE combobox", "chkRate"},
    {"ITEM0031", "Rate", "Main window, second tab, label above RATE combobox", "lblRate"},
    {"ITEM0032", "Narrow", "Main window, fourth tab, top radiobuttun right of Frequency combobox",
     "optWideFM(0)"},
    {"ITEM0033", "Wide", "Main window, fourth tab, bottom radiobuttun right of Frequency combobox",
     "optWideFM(1)"},
}};

} // namespace

const std::array<WindowText, windowTextCount> &window_texts()
{
    return texts;
}

QString default_caption(const char *control)
{
    for (const WindowText &text : texts) {
        if (std::strcmp(text.control, control) == 0)
            return text.defaultText();
    }
    return {};
}
