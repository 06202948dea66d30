#include "CalculatorKeys.h"

namespace calculator_keys {

namespace {

using enum Rule;

// The order is part of the key fuzzer's input format: its committed inputs name keys by index.
constexpr Key kKeys[] = {
    // The upper part
    {"SpeedButton13", Append, '0'},
    {"SpeedButton11", Append, '1'},
    {"SpeedButton10", Append, '2'},
    {"SpeedButton9", Append, '3'},
    {"SpeedButton8", Append, '4'},
    {"SpeedButton7", Append, '5'},
    {"SpeedButton6", Append, '6'},
    {"SpeedButton5", Append, '7'},
    {"SpeedButton4", Append, '8'},
    {"SpeedButton2", Append, '9'},
    {"SpeedButton12", Append, 0},
    {"SpeedButton1", Clear, 0},
    {"SpeedButton17", Operator, '+'},
    {"SpeedButton16", Operator, '-'},
    {"SpeedButton15", Operator, '*'},
    {"SpeedButton14", Operator, '/'},
    {"SpeedButton18", Equals, 0},
    {"SpeedButton20", Percent, 0},
    {"SpeedButton19", Function, 0}, // +/-
    {"SpeedButton21", Function, 0}, // 1/x
    {"SpeedButton22", Function, 0}, // x^2
    {"SpeedButton23", Function, 0}, // x^3
    {"SpeedButton3", SquareRoot, 0},
    {"SpeedButton28", Pi, 0},
    {"Button1", Recall, 0},
    {"Button2", Store, 0},
    {"BitBtn1", Toggle, 0},
    // The function panel
    {"SpeedButton24", Operator, '^'},
    {"SpeedButton44", Operator, 'H'},
    {"SpeedButton25", Function, 0}, // sin
    {"SpeedButton26", Function, 0}, // cos
    {"SpeedButton27", Function, 0}, // tg
    {"SpeedButton31", Function, 0}, // ctg
    {"SpeedButton40", Function, 0}, // sinh
    {"SpeedButton39", Function, 0}, // cosh
    {"SpeedButton41", Function, 0}, // tanh
    {"SpeedButton30", Function, 0}, // ln
    {"SpeedButton35", Function, 0}, // arsin
    {"SpeedButton33", Function, 0}, // arcos
    {"SpeedButton37", Function, 0}, // artan
    {"SpeedButton32", Function, 0}, // arctg
    {"SpeedButton43", Function, 0}, // Log2
    {"SpeedButton38", Function, 0}, // arsinh
    {"SpeedButton34", Function, 0}, // arcosh
    {"SpeedButton36", Function, 0}, // artanh
    {"SpeedButton29", Function, 0}, // Exp
    {"SpeedButton42", Function, 0}, // Floor
    {"SpeedButton45", Function, 0}, // CycleToRad
    {"SpeedButton46", Function, 0}, // DegToRad
    {"SpeedButton54", Function, 0}, // GradToRad
    {"SpeedButton49", Function, 0}, // RadToCycle
    {"SpeedButton48", Function, 0}, // RadToDeg
    {"SpeedButton47", Function, 0}, // RadToGrad
};

} // namespace

std::span<const Key> All()
{
    return kKeys;
}

} // namespace calculator_keys
