#include "form/CEinheitspapierDoc.h"

#include <QFile>
#include <QSaveFile>

#include "form/EhField.h"
#include "form/EhFormat.h"

CEinheitspapierDoc::CEinheitspapierDoc()
{
    resetStore();
}

CEinheitspapierDoc::~CEinheitspapierDoc() = default;

void CEinheitspapierDoc::resetStore()
{
    m_store = FieldStore(FirstPageFields, ContinuationFields);
    // Every field starts at size step 3, left aligned; box 44 (which holds
    // five lines), the short lines at its top and the customs number and
    // sender of a continuation page are smaller.
    for (int f = 0; f < FirstPageFields; ++f)
        m_store.setAttr(f, 1, 3);
    for (int f = 0; f < ContinuationFields; ++f)
        m_store.setAttr(f, 2, 3);
    m_store.setAttr(EhField::Box44, 1, EhField::SmallSizeStep);
    for (int f = EhField::Box44Line1; f <= EhField::Box44Line5; ++f)
        m_store.setAttr(f, 1, EhField::SmallSizeStep);
    for (int f : EhField::Cont::SmallFontFields)
        m_store.setAttr(f, 2, EhField::SmallSizeStep);
}

void CEinheitspapierDoc::setContinuationPageCount(int n)
{
    m_store.setContinuationPageCount(n, 2);
}

void CEinheitspapierDoc::deleteContents()
{
    resetStore();
    m_formSet = NoFormSet;
    setContinuationPageCount(1);
    m_inputTax = 0;
    m_reserved = 0;
    m_legacy.clear();
    applyNewDocumentDefaults();
}

bool CEinheitspapierDoc::read(QIODevice& device, QString* error)
{
    return EhFormat::read(device, *this, EhFormat::ReadContext::fromSettings(), error);
}

bool CEinheitspapierDoc::write(QIODevice& device) const
{
    return EhFormat::write(device, *this);
}

bool CEinheitspapierDoc::load(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        deleteContents();
        m_loadStatus = 0;
        if (error)
            *error = EhFormat::openErrorText(path, file.errorString());
        return false;
    }
    if (!read(file, error)) {
        if (error)
            *error = EhFormat::openErrorText(path, *error);
        return false;
    }
    m_path = path;
    return true;
}

bool CEinheitspapierDoc::save(const QString& path, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = EhFormat::saveErrorText(path, file.errorString());
        return false;
    }
    // commit() alone would rename a file whose last buffered bytes could not
    // be written (a full disk), so the flush is checked first. The temporary
    // file of a failed save is removed with the QSaveFile.
    if (!write(file) || !file.flush() || !file.commit()) {
        if (error)
            *error = EhFormat::saveErrorText(path, file.errorString());
        return false;
    }
    m_path = path;
    m_modified = false;
    if (m_savedObserver)
        m_savedObserver();
    return true;
}
