#include "Module1.h"

#include "Altitude.h"
#include "Frequency.h"
#include "Phg.h"
#include "support/LenientNumber.h"

namespace Module1 {

namespace {

QString textAt(const QStringList &texts, int index)
{
    return (index >= 0 && index < texts.size()) ? texts.at(index) : QString();
}

// The frequency element: channel text, "MHz" and, with the tone box ticked, the
// tone's code; with the extended element ticked, a DCS code in place of the tone,
// tone squelch ("C") when CTCSS is ticked, "Toff" when neither but more follows,
// then the offset and the range. Each code's letter is lower case for narrow FM.
// Empty when the selected channel has no text.
QString frequency_element(const BeaconState &state)
{
    const QString channel = textAt(state.frequencyTexts, state.frequency);
    if (channel.isEmpty())
        return {};
    const bool extended = state.extOperFrequencySelected;
    const QString tone = textAt(state.toneTexts, state.tone);
    // The field after the frequency: a code whose letter's case is the width (upper
    // case wide, lower case narrow), or "Toff" where an offset or a range follows, so
    // that radios reading field by field find them in their places.
    QString code;
    if (extended && state.dcsCode > 0)
        code = QLatin1Char('D') + Frequency::dcs_text(state.dcsCode);
    else if (state.toneSelected && !tone.isEmpty())
        code = QLatin1Char('T') + tone;
    else if (extended && state.ctcssSelected && !tone.isEmpty())
        code = QLatin1Char('C') + tone;
    const QString fields = extended ? Frequency::extended_fields(state) : QString();
    if (code.isEmpty() && !fields.isEmpty())
        code = QStringLiteral("Toff");
    if (!code.isEmpty() && !state.wideFM)
        code[0] = code[0].toLower();
    return channel + QStringLiteral("MHz") +
           (code.isEmpty() ? QString() : QLatin1Char(' ') + code) + fields;
}

// The longest start of the text that fits the bytes APRS allows in UTF-8, cut
// before a character whose bytes would not all fit.
QString within_bytes(const QString &text, qsizetype maxBytes)
{
    const QByteArray bytes = text.toUtf8();
    qsizetype end = qMin(maxBytes, bytes.size());
    while (end < bytes.size() && end > 0 && (uchar(bytes.at(end)) & 0xC0) == 0x80)
        --end; // a continuation byte: the character began before it
    return end == bytes.size() ? text : QString::fromUtf8(bytes.left(end));
}

} // namespace

BeaconComment assemble_beaconComment(const BeaconState &state, const Advice::Texts &texts)
{
    QString comment;
    QString displayText;
    QString sep = QStringLiteral(" ");

    if (state.phgSelected && !state.phgText.isEmpty())
        comment = state.phgText;

    if (state.operFrequencySelected) {
        const QString f = frequency_element(state);
        if (!f.isEmpty()) {
            comment = comment.isEmpty() ? f : comment + QLatin1Char('/') + f;
            displayText = displayText.isEmpty() ? f : displayText + QLatin1Char('/') + f;
        }
    }

    if (state.altitudeSelected && !state.altitudeText.isEmpty()) {
        sep = QStringLiteral("/");
        // The altitude always carries its slash in the comment, even when it comes first.
        comment += QLatin1Char('/') + state.altitudeText;
        displayText = displayText.isEmpty() ? state.altitudeText
                                            : displayText + QLatin1Char('/') + state.altitudeText;
    }

    if (state.freeTextSelected) {
        if (!comment.isEmpty()) {
            sep = QStringLiteral(" ");
            comment += QLatin1Char(' ') + state.freeText;
        } else {
            comment = state.freeText;
        }
        displayText = displayText.isEmpty() ? state.freeText : displayText + sep + state.freeText;
    }

    BeaconComment result;
    result.comment = within_bytes(comment, maxCommentLength);
    result.shortened = result.comment.size() < comment.size();
    if (state.freeTextSelected)
        result.characterWarning = Advice::freeText_warning(state.freeText, texts);

    // The radios show only what is sent: what the cut took off the comment's end
    // comes off the display text's end too.
    displayText.chop(comment.size() - result.comment.size());
    for (int r = 0; r < radioCount; ++r) {
        const RadioDisplay &radio = radioDisplays[r];
        QStringList &lines = result.displays[size_t(r)];
        if (radio.firstLine)
            lines << QString::fromLatin1(radio.firstLine);
        for (int i = 0; i < radio.textLines; ++i)
            lines << QString(radio.indent, QLatin1Char(' ')) +
                         displayText.mid(i * radio.textWidth, radio.textWidth)
                             .leftJustified(radio.textWidth, QLatin1Char(' '));
        while (lines.size() < radio.lines)
            lines << QString();
    }
    return result;
}

namespace {

// Stored list positions beyond the last entry become the last entry, so a
// hand-edited settings file cannot select nothing; the height becomes its code.
void clamp_toLists(BeaconState &state)
{
    auto clamp = [](qint16 &value, int count) {
        value = qint16(qBound(0, int(value), count - 1));
    };
    clamp(state.band, Frequency::bandCount);
    clamp(state.step, Frequency::stepCount);
    clamp(state.tone, Frequency::toneCount);
    clamp(state.phgPower, Phg::powerCount);
    clamp(state.phgGain, Phg::gainCount);
    clamp(state.phgDirection, Phg::directionCount);
    qint16 height = LenientNumber::to_int16(state.phgHeight);
    clamp(height, Phg::heightCount);
    state.phgHeight = Phg::height_code(height);
}

} // namespace

QString typeable_text(const QString &text)
{
    QList<uint> kept = text.toUcs4();
    kept.removeIf([](uint c) { return !QChar::isPrint(char32_t(c)); });
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(kept.constData()), kept.size());
}

Preparation prepare_beacon(BeaconState &state, const QLocale &locale)
{
    Preparation preparation;
    state.freeText = typeable_text(state.freeText);

    clamp_toLists(state);
    state.bands = Frequency::band_table();
    state.stepValues = Frequency::step_values();
    state.rateCodes = Phg::rate_codes();

    const qint16 storedChannel = state.frequency;
    preparation.channelEntries = Frequency::build_FrequencyList(state, locale);
    // Users expect their channel back after a restart.
    if (storedChannel > 0 && storedChannel < state.frequencyTexts.size())
        state.frequency = storedChannel;

    Phg::update_PHG(state);
    // The extended element's fields as the rules can carry them; anything else is none.
    if (qAbs(state.repeaterOffset) > 999)
        state.repeaterOffset = 0;
    if (Frequency::dcs_entry(state.dcsCode) < 0)
        state.dcsCode = 0;
    if (state.range < 0 || state.range > 99)
        state.range = 0;
    Altitude::restore(state);
    return preparation;
}

} // namespace Module1
