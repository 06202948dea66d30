// Conversions per second of ParseFloat and FormatGeneral over a fixed mixed corpus, each
// beside the C library's counterpart (strtold, snprintf "%.15g") on the same corpus in the
// same run. Prints the median rate of several repetitions and the ratio ours / C library.
#include "FormatGeneral.h"
#include "ParseFloat.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kRepetitions = 15;
constexpr int kCorpusSize = 20000;

// Display-like texts: long general-format values of every magnitude, short decimals,
// integers and exponent forms.
std::vector<std::string> MakeCorpus()
{
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<double> unit(0, 1);
    std::uniform_int_distribution<int> decade(-300, 300);
    std::vector<std::string> corpus;
    char text[64];
    for (int i = 0; i < kCorpusSize; ++i) {
        const double sign = random() % 4 == 0 ? -1 : 1;
        switch (i % 5) {
        case 0:
        case 1:
            std::snprintf(text, sizeof text, "%.15g", sign * unit(random) * std::pow(10.0, decade(random)));
            break;
        case 2:
            std::snprintf(text, sizeof text, "%.*f", static_cast<int>(random() % 6),
                          sign * unit(random) * 1000);
            break;
        case 3:
            std::snprintf(text, sizeof text, "%lld", static_cast<long long>(sign * (random() % 1000000)));
            break;
        default:
            std::snprintf(text, sizeof text, "%.*fE%d", static_cast<int>(random() % 8),
                          sign * (1 + 9 * unit(random)), decade(random));
            break;
        }
        corpus.emplace_back(text);
    }
    return corpus;
}

volatile double g_sink; // keeps the results alive

// Conversions per second of one pass over the corpus.
double Rate(const std::function<double()>& pass)
{
    const auto start = std::chrono::steady_clock::now();
    g_sink = pass();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return kCorpusSize / elapsed.count();
}

double Median(std::vector<double> rates)
{
    std::sort(rates.begin(), rates.end());
    return rates[rates.size() / 2];
}

// Median rates of ours and theirs, measured in turn in every repetition so that both see
// the same load of the machine.
std::pair<double, double> MedianRates(const std::function<double()>& ours,
                                      const std::function<double()>& theirs)
{
    std::vector<double> ourRates, theirRates;
    for (int r = 0; r < kRepetitions; ++r) {
        ourRates.push_back(Rate(ours));
        theirRates.push_back(Rate(theirs));
    }
    return {Median(ourRates), Median(theirRates)};
}

void Report(const char* ours, double ourRate, const char* theirs, double theirRate)
{
    std::printf("%-14s %12.0f /s   %-22s %12.0f /s   ratio %.2f\n", ours, ourRate, theirs, theirRate,
                ourRate / theirRate);
}

} // namespace

int main()
{
    fpu::InitializeUnit();
    const std::vector<std::string> texts = MakeCorpus();
    std::vector<double> values;
    for (const auto& text : texts) {
        values.push_back(static_cast<double>(ParseFloat(text, U'.')));
    }

    const auto [parse, strtoldRate] = MedianRates(
        [&] {
            Extended sum = 0;
            for (const auto& text : texts) {
                sum += ParseFloat(text, U'.');
            }
            return static_cast<double>(sum);
        },
        [&] {
            Extended sum = 0;
            for (const auto& text : texts) {
                sum += std::strtold(text.c_str(), nullptr);
            }
            return static_cast<double>(sum);
        });
    const auto [format, snprintfRate] = MedianRates(
        [&] {
            std::size_t length = 0;
            for (const double value : values) {
                length += FormatGeneral(value, U'.').size();
            }
            return static_cast<double>(length);
        },
        [&] {
            std::size_t length = 0;
            char text[32];
            for (const double value : values) {
                length += static_cast<std::size_t>(std::snprintf(text, sizeof text, "%.15g", value));
            }
            return static_cast<double>(length);
        });

    std::printf("corpus: %d texts, median of %d repetitions\n", kCorpusSize, kRepetitions);
    Report("ParseFloat", parse, "strtold", strtoldRate);
    Report("FormatGeneral", format, "snprintf(\"%.15g\")", snprintfRate);
    return 0;
}
