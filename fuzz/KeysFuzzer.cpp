// Random key presses and display texts through the real main window, offscreen, with every
// key's rules checked after each step (CheckedSession aborts on a broken one). Each input
// starts on the calculator as it starts: zero variables, an empty display and memory, the
// function panel hidden (the windows are made once, which is many times quicker).
//
// Input: a sequence of steps. A byte below 0xDF presses key (byte mod the number of keys) of
// calculator_keys::All(); 0xDF switches the decimal separator between the point and the comma;
// a byte b from 0xE0 types a text of 2 * (b - 0xE0) characters (0 to
// 62, so some go beyond the display's limit of 50), taken from the bytes that follow: printable
// ASCII as itself, every other byte one of a few characters that locales and users bring in.
#include "CheckedSession.h"

#include "Application.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// The inputs' steps beyond this many are not run, so that one input stays quick.
constexpr std::size_t kMostSteps = 400;
constexpr std::uint8_t kSwitchSeparators = 0xDF;
constexpr std::uint8_t kFirstText = 0xE0;

// Separators of other locales, the Cyrillic letters the display may hold, a minus sign, a
// full-width digit. No character beyond U+FFFF: at the typing limit the edit box keeps half of
// its surrogate pair, an open fault of the limit that this target would only find again.
constexpr char16_t kOthers[] = {u'\u066B', u'\u00B7', u'\u202F', u'\u00A0', u'\u0415',
                                u'\u0435', u'\u2212', u'\uFF11', u'\u00E9', u'\u0660'};

QChar CharacterOf(std::uint8_t byte)
{
    if (byte >= 0x20 && byte < 0x7F) {
        return QChar(byte);
    }
    return QChar(kOthers[byte % std::size(kOthers)]);
}

CheckedSession* session = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt keeps a reference to its argument count and may take its own options out of the list;
    // libFuzzer's stay untouched.
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argc > 0 ? (*argv)[0] : const_cast<char*>("fuzz_keys")), nullptr};
    // Neither is ever destroyed: libFuzzer ends the process with exit(), when Qt's own statics
    // may be gone already.
    new TApplication(qtArgc, qtArgv);
    Application->Initialize();
    Application->SetTitle("QV Vexorin 3.0");
    session = new CheckedSession;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    session->Restart();
    std::size_t steps = 0;
    for (std::size_t at = 0; at < size && steps < kMostSteps; ++steps) {
        const std::uint8_t step = data[at++];
        if (step < kSwitchSeparators) {
            session->Press(step % CheckedSession::KeyCount());
            continue;
        }
        if (step == kSwitchSeparators) {
            session->SwitchSeparators();
            continue;
        }
        QString text;
        for (std::size_t n = 2 * (step - kFirstText); n > 0 && at < size; --n) {
            text += CharacterOf(data[at++]);
        }
        session->Type(text);
    }
    return 0;
}
