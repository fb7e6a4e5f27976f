#include "duty/Default20Model.h"

namespace {

struct Term {
    const char* code;
    const char* meaning;
};

const Term kTerms[Default20Model::Count - 1] = {
    {"EXW", "Ab Werk"},
    {"FCA", "Franko Spediteur"},
    {"FAS", "Franko längsseits Schiff"},
    {"FOB", "Franko Bord"},
    {"CFR", "Kosten und Fracht (C & F)"},
    {"CIF", "Kosten, Versicherung, Fracht"},
    {"CPT", "Fracht bezahlt bis"},
    {"CIP", "Fracht einschließlich Versicherung"},
    {"DAF", "Frei Grenze"},
    {"DES", "Frei \"ex ship\""},
    {"DEQ", "Frei Kai"},
    {"DDU", "Frei unverzollt"},
    {"DDP", "Verzollt"},
    {"XXX", "Andere Lieferbedingungen"},
};

} // namespace

QString Default20Model::code(int choice)
{
    return choice >= 1 && choice < Count ? QString::fromLatin1(kTerms[choice - 1].code) : QString();
}

QString Default20Model::meaning(int choice)
{
    return choice >= 1 && choice < Count ? QString::fromUtf8(kTerms[choice - 1].meaning) : QString();
}

void Default20Model::open(const QString& text)
{
    m_own = text.trimmed().toUpper();
    m_choice = 0;
    for (int choice = 1; choice < Count; ++choice) {
        if (code(choice) == m_own) {
            m_choice = choice;
            break;
        }
    }
}

void Default20Model::select(int choice)
{
    m_choice = choice >= 0 && choice < Count ? choice : 0;
}

QString Default20Model::result() const
{
    return m_choice == 0 ? m_own : code(m_choice);
}
