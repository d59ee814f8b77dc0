#include "WindowTexts.h"

#include "clsLanguage.h"

namespace {

constexpr std::array<WindowText, windowTextCount> texts = {{
    {TextId::MENU0001, "MENU0001", "File", "Main window, first menu", false},
    {TextId::MENU0002, "MENU0002", "Exit", "Main window, first menu, first sub-menu", false},
    {TextId::MENU0003, "MENU0003", "Options", "Mian window, second menu entry", false},
    {TextId::MENU0004, "MENU0004", "About this program", "Main window, third menu,second sub-menu",
     false},
    {TextId::MENU0005, "MENU0005", "Check for updates", "Main window, third menu,last sub-menu",
     false},
    {TextId::ITEM0001, "ITEM0001", "General", "Main window, first tab name", false},
    {TextId::ITEM0002, "ITEM0002",
     "Select elements you want included in your beacon comment, then copy to clipboard to paste it "
     "in your APRS program",
     "Main window, first tab, intro text", false},
    {TextId::ITEM0003, "ITEM0003", "Copy to Clipboard",
     "Main window, first Tab, copy to clipboard button", false},
    {TextId::ITEM0034, "ITEM0034", "PHG", "Main window, first Tab, first checkbox ", false},
    {TextId::ITEM0035, "ITEM0035", "Altitude", "Main window, first Tab, second checkbox", false},
    {TextId::ITEM0036, "ITEM0036", "Operating Frequency", "Main window, first Tab, third checkbox",
     false},
    {TextId::ITEM0037, "ITEM0037", "Extended Operating Frequency",
     "Main window, first Tab, fourth checkbox", false},
    {TextId::ITEM0038, "ITEM0038", "Free beacon text", "Main window, first Tab, fifth checkbox",
     false},
    {TextId::ITEM0041, "ITEM0041", "Beacon comment",
     "Main window, first Tab, label left of textbox with beacon comment", false},
    {TextId::ITEM0004, "ITEM0004", "PHG", "Main window, second tab name", false},
    {TextId::ITEM0005, "ITEM0005",
     "Enter Power, Height, Gain and directional information of your antenna, (Height is above "
     "average terrain)",
     "Main window, second tab, intro text", false},
    {TextId::ITEM0006, "ITEM0006", "Power", "Main window, second tab, label above Power combobox",
     false},
    {TextId::ITEM0007, "ITEM0007", "Height", "Main window, second tab, label above Height combobox",
     false},
    {TextId::ITEM0008, "ITEM0008", "Gain", "Main window, second tab, label above Gain combobox",
     false},
    {TextId::ITEM0009, "ITEM0009", "Direction",
     "Main window, second tab, label above Power combobox", false},
    {TextId::ITEM0010, "ITEM0010", "OMNI", "Main window, second tab, centre option under Direction",
     false},
    {TextId::ITEM0011, "ITEM0011", "NE (45) ", "second tab, 45 degrees option under Direction",
     false},
    {TextId::ITEM0012, "ITEM0012", "E (90)", "second tab, 90 degrees option under Direction",
     false},
    {TextId::ITEM0013, "ITEM0013", "SE (135)", "second tab, 135 degrees option under Direction",
     false},
    {TextId::ITEM0014, "ITEM0014", "S (180)", "second tab, 180 degrees option under Direction",
     false},
    {TextId::ITEM0015, "ITEM0015", "SW (225)", "second tab, 225 degrees option under Direction",
     false},
    {TextId::ITEM0016, "ITEM0016", "W (270)", "second tab, 270 degrees option under Direction",
     false},
    {TextId::ITEM0017, "ITEM0017", "NW (315)", "second tab, 315 degrees option under Direction",
     false},
    {TextId::ITEM0018, "ITEM0018", "N (360)", "second tab, 360 degrees option under Direction",
     false},
    {TextId::ITEM0019, "ITEM0019", "Altitude", "Main window, third tab name", false},
    {TextId::ITEM0020, "ITEM0020", "Enter altitude of antenna above average terrain",
     "Main window, third tab, intro text", false},
    {TextId::ITEM0021, "ITEM0021", "Altitude in feet",
     "Main window, third tab, second textbox from below", false},
    {TextId::ITEM0022, "ITEM0022", "Altitude in meters", "Main window, third tab, bottom textbox ",
     false},
    {TextId::ITEM0023, "ITEM0023", "Operating Frequency", "Main window, fourth tab name", false},
    {TextId::ITEM0024, "ITEM0024",
     "Select your voice frequency including repeater tone code (if applicable)",
     "Main window, fourth tab, intro text", false},
    {TextId::ITEM0025, "ITEM0025", "Select frequency",
     "Main window, fourth tab, label left of frequency combobox", false},
    {TextId::ITEM0042, "ITEM0042", "Step",
     "Main window, fourth tab, label left of frequency-step combobox", false},
    {TextId::ITEM0043, "ITEM0043", "Band",
     "Main window, fourth tab, label left of frequency-step combobox", false},
    {TextId::ITEM0039, "ITEM0039", "Ext. Operating Frequency", "Main window, fifth tab name",
     false},
    {TextId::ITEM0040, "ITEM0040", "Not implemented yet", "Main window, fifth tab, intro text",
     false},
    {TextId::ITEM0026, "ITEM0026", "Free text", "Main window, sixth tab name", false},
    {TextId::ITEM0027, "ITEM0027", "Enter free text that goes at the end of the beacon comment",
     "Main window, sixth tab, intro text", false},
    {TextId::ITEM0028, "ITEM0028", "Your beacon comment shortened to max 43 characters",
     "Main window, first tab, warningtext below beaconcomment ", false},
    {TextId::ITEM0029, "ITEM0029", "Your comment", "Main window, sixth tab, label left of textbox",
     false},
    {TextId::ITEM0030, "ITEM0030", "include Rate",
     "Main window, second tab, checbox above RATE combobox", false},
    {TextId::ITEM0031, "ITEM0031", "Rate", "Main window, second tab, label above RATE combobox",
     false},
    {TextId::ITEM0032, "ITEM0032", "Narrow",
     "Main window, fourth tab, top radiobuttun right of Frequency combobox", false},
    {TextId::ITEM0033, "ITEM0033", "Wide",
     "Main window, fourth tab, bottom radiobuttun right of Frequency combobox", false},
    {TextId::ADD0001, "ADD0001", "≈ %1 mi (%2 km)", "PHG tab, the range that APRS programs draw",
     true},
    {TextId::ADD0002, "ADD0002", ", shifted %1",
     "PHG tab, the range estimate's shift toward a direction", true},
    {TextId::ADD0003, "ADD0003", "APRS does not allow %1",
     "first and sixth tab, characters APRS does not allow", true},
    {TextId::ADD0004, "ADD0004", "the radios cannot show %1",
     "first and sixth tab, characters the radios cannot show", true},
    {TextId::ADD0005, "ADD0005", "Standard APRS &altitude (six digits)",
     "Options menu, the standard altitude", true},
    {TextId::ADD0006, "ADD0006", "Receivers read: %1", "first tab, what receivers read", true},
    {TextId::ADD0007, "ADD0007", "%1 W, %2 ft, %3 dB, %4",
     "first tab, the PHG as receivers read it", true},
    {TextId::ADD0008, "ADD0008", ", %1 beacons an hour (some decoders)",
     "first tab, the rate as receivers read it", true},
    {TextId::ADD0009, "ADD0009", "PHG misread as %1 (receivers do not know the rate form)",
     "first tab, the rate form misread", true},
    {TextId::ADD0010, "ADD0010", "%1 MHz", "first tab, the frequency as receivers read it", true},
    {TextId::ADD0011, "ADD0011", "tone %1 Hz", "first tab, the tone as receivers read it", true},
    {TextId::ADD0012, "ADD0012", "tone squelch %1 Hz",
     "first tab, tone squelch as receivers read it", true},
    {TextId::ADD0014, "ADD0014", "frequency not read: it must stand at the start",
     "first tab, a frequency out of its place", true},
    {TextId::ADD0015, "ADD0015", "altitude %1 ft", "first tab, the altitude as receivers read it",
     true},
    {TextId::ADD0016, "ADD0016", "altitude not read: needs six digits (Options)",
     "first tab, an altitude of five digits", true},
    {TextId::ADD0017, "ADD0017", "text only", "first tab, nothing but text", true},
    {TextId::ADD0018, "ADD0018", "radios with QSY and decode_aprs: %1",
     "first tab, what radios with QSY read", true},
    {TextId::ADD0019, "ADD0019", "DCS %1", "first tab, the DCS code as receivers read it", true},
    {TextId::ADD0020, "ADD0020", "offset %1 kHz", "first tab, the offset as receivers read it",
     true},
    {TextId::ADD0021, "ADD0021", "range %1", "first tab, the range as receivers read it", true},
    {TextId::ADD0022, "ADD0022", "altitude %1 ft (some decoders)", "first tab, a negative altitude",
     true},
    {TextId::ADD0023, "ADD0023", "altitude not read: cut off at 43 bytes",
     "first tab, an altitude the cut took", true},
    {TextId::ADD0024, "ADD0024", "nothing to read: the comment is empty",
     "first tab, an empty comment", true},
    {TextId::ADD0025, "ADD0025",
     "The fields a repeater needs, after the Operating Frequency element and its tone (APRS 1.2): "
     "the offset of its input, a DCS code in place of the tone, and its range. They have no effect "
     "while Operating Frequency is not ticked on the General page.",
     "fifth tab, intro text", true},
    {TextId::ADD0026, "ADD0026", "Repeater &offset", "fifth tab, label of the repeater offset",
     true},
    {TextId::ADD0027, "ADD0027", "&DCS code", "fifth tab, label of the DCS code", true},
    {TextId::ADD0028, "ADD0028", "&Range", "fifth tab, label of the range", true},
    {TextId::ADD0029, "ADD0029", "none", "fifth tab, the choice of no offset, code or range", true},
    {TextId::ADD0030, "ADD0030", "%1 (some decoders, not decode_aprs)",
     "first tab, a PHG of 0 W as receivers read it", true},
    {TextId::ADD0031, "ADD0031", "Reaches %1 all around",
     "PHG tab, the coverage for a screen reader", true},
    {TextId::ADD0032, "ADD0032", "Reaches %1 toward %2, %3 away from it",
     "PHG tab, a directional coverage for a screen reader", true},
    {TextId::ADD0033, "ADD0033", "Copy for &Dire Wolf",
     "Main window, first menu, the Dire Wolf entry", true},
    {TextId::ADD0034, "ADD0034",
     "The clipboard holds the COMMENTCMD for a PBEACON line of "
     "direwolf.conf:\r\n\r\n%1\r\n\r\nLeave out "
     "these keywords of Dire Wolf on that line; the comment carries what they would add: %2",
     "Main window, the message after copying for Dire Wolf", true},
}};

constexpr bool inIdOrder()
{
    for (int i = 0; i < windowTextCount; ++i) {
        if (int(texts[size_t(i)].id) != i)
            return false;
    }
    return true;
}
static_assert(inIdOrder(), "each row stands at the place of its id");

// A translation that drops a place of the English sentence would lose its figures.
bool keeps_places(const QString &translated, const QString &english)
{
    for (const QString &place :
         {QStringLiteral("%1"), QStringLiteral("%2"), QStringLiteral("%3"), QStringLiteral("%4")}) {
        if (english.contains(place) && !translated.contains(place))
            return false;
    }
    return true;
}

} // namespace

const std::array<WindowText, windowTextCount> &window_texts()
{
    return texts;
}

Captions translate_windowTexts(clsLanguage &language)
{
    Captions captions;
    language.translate_start();
    for (const WindowText &text : texts) {
        const QString english = QString::fromUtf8(text.englishDefault);
        if (!text.optional) {
            captions[text.id] = language.translate(QLatin1String(text.key), english,
                                                   QString::fromUtf8(text.description));
            continue;
        }
        const QString translated = language.translate_optional(QLatin1String(text.key), english);
        captions[text.id] = keeps_places(translated, english) ? translated : english;
    }
    return captions;
}

Captions english_windowTexts()
{
    Captions captions;
    for (const WindowText &text : texts)
        captions[text.id] = QString::fromUtf8(text.englishDefault);
    return captions;
}
