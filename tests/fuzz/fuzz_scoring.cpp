#include "scoring/commands.h"
#include "scoring/roster.h"
#include "scoring/standings.h"

#include "referencequiz.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>

// The scoring commands as the fuzzer's bytes dictate, with names of any UTF-16
// (unpaired surrogates and NUL included), held to the reference after every
// step; any difference aborts, so that libFuzzer keeps the input.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    scoring::Roster roster;
    ReferenceQuiz reference;
    QStringList names;
    while (data.remaining_bytes() > 0) {
        const int command = data.ConsumeIntegralInRange(0, 4);
        if (command == 4 || names.isEmpty()) {
            QString name;
            for (int i = data.ConsumeIntegralInRange(0, 8); i > 0; --i)
                name += QChar(data.ConsumeIntegral<char16_t>());
            names << name;
        }
        const QString name = names.at(data.ConsumeIntegralInRange<qsizetype>(0, names.size() - 1));
        scoring::Outcome outcome;
        ReferenceQuiz::Step expected;
        if (command == 1) {
            outcome = scoring::deductPoint(roster, name), expected = reference.minus(name);
        } else if (command == 2) {
            outcome = scoring::removeCandidate(roster, name), expected = reference.remove(name);
        } else if (command == 3 && data.ConsumeBool()) {
            outcome = scoring::startNewQuiz(roster), expected = reference.newQuiz();
        } else {
            outcome = scoring::awardPoint(roster, name), expected = reference.plus(name);
        }
        if (outcome.status != expected.status || outcome.rebuildStandings != expected.rebuild ||
            scoring::standingsLine(roster) != reference.line())
            std::abort();
    }
    return 0;
}
