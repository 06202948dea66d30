#include "Percent.h"

Extended Percent(char pendingOp, double first, double x)
{
    switch (pendingOp) {
    case '+':
        return fpu::Add(first, fpu::Mul(first, fpu::Div(x, 100)));
    case '-':
        return fpu::Sub(first, fpu::Mul(first, fpu::Div(x, 100)));
    case '*':
        return fpu::Mul(first, fpu::Div(x, 100));
    case '/':
        return fpu::Div(first, fpu::Div(x, 100));
    }
    return x;
}
