#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include "masterdata/CKestrovaneStammDaten.h"

// Goods records from a UTF-8 CSV file with the eight columns of a goods
// record: description, the five parts of the goods number, the two origin
// codes. Fields are separated by commas, semicolons or tabs (whichever the
// first line uses most); a field in double quotes may hold separators and
// line breaks, a doubled quote stands for one. A first line that names the
// table's fields (WBESCH1, WNR1 .. LAND2) is skipped.
class GoodsCsvImport
{
public:
    struct Row {
        int line = 0; // line of the file where the row starts, from 1
        QStringList cells;
    };

    // Splits the file into rows; blank lines are left out.
    static QList<Row> parse(const QByteArray& utf8);

    // The values of a row as they are stored (description lines joined with
    // CR LF and trailing white space removed, other cells trimmed); false
    // with the reason in why when the row is no goods record (wrong number
    // of cells, nothing in it). Whether it fits the table is the store's
    // question (CKestrovaneStammDaten::RecordRefusal).
    static bool toValues(const Row& row, CKestrovaneStammDaten::Values& values, QString& why);

    // Appends the rows to the goods store and saves it, all or nothing:
    // every row is checked first, and when any of them cannot be stored in
    // full nothing is stored, so that the file can be mended and imported
    // again without doubling records. Each refused row gives one line in
    // problems ("Zeile N: reason"). Returns the number of records stored
    // (0 when rows were refused), or -1 when saving failed; a failed save
    // leaves none of the rows in the table either.
    static int import(const QByteArray& utf8, CKestrovaneStammDaten& store, QStringList& problems);
};
