#include "check.h"
#include "commands.h"
#include "fakeclipboard.h"
#include "referencequiz.h"
#include "roster.h"
#include "singleline.h"
#include "standings.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <limits>

// The scoring commands as the fuzzer's bytes dictate, compared with the
// reference after every step: status texts, list order, lookup, points and
// the standings line. Names are any UTF-16, unpaired surrogates and NUL
// included; some are built the way the edit field builds them from a paste.
namespace {

// kMaxValue is the name FuzzedDataProvider::ConsumeEnum looks for.
enum class Command {
    Plus,
    Minus,
    Remove,
    NewQuiz,
    Copy,
    Type,
    Paste,
    NearCeiling,
    kMaxValue = NearCeiling
};

bool isLineBreak(QChar c)
{
    return QStringView(u"\r\n\u0085\u2028\u2029").contains(c);
}

QString anyText(FuzzedDataProvider &data)
{
    QString text;
    const int length = data.ConsumeIntegralInRange(0, 24);
    for (int i = 0; i < length && data.remaining_bytes() > 0; ++i)
        text += QChar(data.ConsumeIntegral<char16_t>());
    return text;
}

class Quiz
{
public:
    void run(FuzzedDataProvider &data)
    {
        switch (data.ConsumeEnum<Command>()) {
        case Command::Plus:
            compare(scoring::awardPoint(m_roster, m_edit), m_reference.plus(m_edit));
            break;
        case Command::Minus:
            compare(scoring::deductPoint(m_roster, m_edit), m_reference.minus(m_edit));
            break;
        case Command::Remove:
            compare(scoring::removeCandidate(m_roster, m_edit), m_reference.remove(m_edit));
            break;
        case Command::NewQuiz:
            compare(scoring::startNewQuiz(m_roster), m_reference.newQuiz());
            break;
        case Command::Copy:
            scoring::copyStandings(m_clipboard, m_caption);
            check(m_clipboard.content == m_reference.line(), "copied standings line");
            break;
        case Command::Type:
            type(data);
            break;
        case Command::Paste:
            paste(data);
            break;
        case Command::NearCeiling:
            nearCeiling(data);
            break;
        }
        checkRoster();
    }

private:
    // The name in the edit field: one from the list, or any text at all.
    void type(FuzzedDataProvider &data)
    {
        if (m_roster.count() > 0 && data.ConsumeBool())
            m_edit = m_roster.name(data.ConsumeIntegralInRange(0, m_roster.count() - 1));
        else
            m_edit = anyText(data);
    }

    // A paste into the edit field keeps the first line of what was pasted.
    void paste(FuzzedDataProvider &data)
    {
        if (std::any_of(m_edit.cbegin(), m_edit.cend(), isLineBreak))
            m_edit.clear(); // the edit field never holds a break
        const int at = data.ConsumeIntegralInRange(0, int(m_edit.size()));
        const QString pasted = anyText(data);
        const qsizetype firstLine =
            std::find_if(pasted.cbegin(), pasted.cend(), isLineBreak) - pasted.cbegin();
        const QString expected = m_edit.left(at) + pasted.left(firstLine) + m_edit.mid(at);

        m_edit.insert(at, pasted);
        int cursor = at + int(pasted.size());
        const bool cut = scoring::keepFirstLine(m_edit, cursor);
        check(cut == (firstLine < pasted.size()), "a paste is cut exactly when it has a break");
        check(m_edit == expected, "the first line of a paste is kept");
        check(cursor == at + firstLine, "the cursor stands after what was kept");
    }

    // A long quiz night: the candidate in the edit field close to the most
    // points there can be.
    void nearCeiling(FuzzedDataProvider &data)
    {
        const int position = m_roster.find(m_edit);
        if (position < 0)
            return;
        const qint32 points =
            std::numeric_limits<qint32>::max() - data.ConsumeIntegralInRange(0, 2);
        m_roster.setPoints(position, points);
        m_reference.setPoints(m_edit, points);
        m_caption = scoring::standingsLine(m_roster);
    }

    void compare(const scoring::Outcome &outcome, const ReferenceQuiz::Step &expected)
    {
        check(outcome.status == expected.status, "status text");
        check(outcome.rebuildStandings == expected.rebuild, "standings rebuilt when changed");
        if (outcome.rebuildStandings)
            m_caption = scoring::standingsLine(m_roster);
    }

    // Equal names to the reference's map mean sorted and unique; the line
    // built from the roster then holds every candidate's points. Lookups
    // under the collation are the costly part, so only the edit field's name
    // is looked up.
    void checkRoster() const
    {
        const QString expected = m_reference.line();
        check(m_caption == expected, "the standings line shown");
        check(scoring::standingsLine(m_roster) == expected, "points in list order");
        const QStringList names = m_reference.names();
        check(m_roster.count() == names.size() && m_roster.rowCount() == m_roster.count(),
              "candidate count");
        for (int i = 0; i < m_roster.count(); ++i) {
            check(m_roster.name(i) == names.at(i), "list order");
            check(m_roster.points(i) >= 0, "points never below zero");
        }
        check(m_roster.find(m_edit) == names.indexOf(m_edit), "lookup");
    }

    scoring::Roster m_roster;
    ReferenceQuiz m_reference;
    FakeClipboard m_clipboard;
    QString m_edit;
    QString m_caption; // what the standings label shows
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    Quiz quiz;
    while (data.remaining_bytes() > 0)
        quiz.run(data);
    return 0;
}
