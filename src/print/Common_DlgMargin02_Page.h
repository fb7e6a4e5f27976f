#pragma once

#include <QWidget>

class MarginSheetModel;
class QCheckBox;
class QLineEdit;
class QToolButton;

// One page of the margins dialog: the offsets of one sheet type, moved with
// the buttons "L", "R", "O" and "U" by half a millimetre, and the check box
// that all pages share.
class Common_DlgMargin02_Page : public QWidget
{
    Q_OBJECT

public:
    // page: the model's page this widget shows; language: 1 for English tips.
    Common_DlgMargin02_Page(MarginSheetModel& model, int page, int language, QWidget* parent = nullptr);

    int page() const { return m_page; }
    bool isModified() const { return m_modified; }

    // The shared check box: taken from the sheet when the page becomes
    // active, handed back when it is left or OK is pressed.
    void takeSharedFlag();
    void handBackSharedFlag();

    QString horizontalText() const;
    QString verticalText() const;

private:
    void move(bool horizontal, bool increase);
    void refreshTexts();

    MarginSheetModel& m_model;
    int m_page;
    bool m_modified = false;
    QLineEdit* m_horizontalText;
    QLineEdit* m_verticalText;
    QCheckBox* m_suppress;
};
