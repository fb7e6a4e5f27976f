#include "duty/Default24Model.h"

#include "duty/TransactionKinds.h"

void Default24Model::open(const QString& boxDigits)
{
    QString digits;
    for (const QChar c : boxDigits) {
        if (c >= u'0' && c <= u'9')
            digits += c;
    }
    m_position = 0;
    if (digits.size() < 2)
        return;
    const QString wanted = digits.left(1) + QLatin1Char(' ') + digits.mid(1, 1);
    const auto rows = TransactionKinds::rows();
    for (int i = 0; i < int(rows.size()); ++i) {
        if (QString::fromLatin1(rows[i].code) == wanted) {
            m_position = i;
            return;
        }
    }
}

void Default24Model::select(int position)
{
    m_position = position >= 0 && position < TransactionKinds::Count ? position : 0;
}

QString Default24Model::firstDigitText() const
{
    return TransactionKinds::firstDigitText(TransactionKinds::rows()[m_position]);
}

QString Default24Model::entryText() const
{
    return QString::fromUtf8(TransactionKinds::rows()[m_position].text);
}

QString Default24Model::firstDigit() const
{
    return QString::fromLatin1(TransactionKinds::rows()[m_position].code).left(1);
}

QString Default24Model::secondDigit() const
{
    return QString::fromLatin1(TransactionKinds::rows()[m_position].code).right(1);
}
