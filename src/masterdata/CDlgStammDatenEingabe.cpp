#include "masterdata/CDlgStammDatenEingabe.h"

#include <QApplication>
#include <QGridLayout>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "duty/ChooserButtons.h"
#include "duty/Common_DlgBundeslaenderCode.h"
#include "duty/Common_DlgLaenderCode.h"
#include "duty/LaenderCodeModel.h"
#include "settings/OkCancelButtons.h"

namespace {

constexpr int kNumberWidths[5] = {8, 2, 4, 4, 1};
constexpr int kOriginWidth = 3;

QString helpText(int context)
{
    switch (context) {
    case StammDatenDialogModel::HelpDescription:
        return QStringLiteral("Der Text für Feld 31 (Zeichen und Nummern, Container Nr., Anzahl und Art), "
                              "höchstens 253 Zeichen in mehreren Zeilen. Die erste Zeile erscheint in der "
                              "Liste der Bezeichnungen.");
    case StammDatenDialogModel::HelpGoodsNumber:
        return QStringLiteral("Die fünf Teile der Warennummer für Feld 33 (8, 2, 4, 4 und 1 Stelle). In der "
                              "Liste der Warennummern stehen sie mit \"-\" verbunden.");
    case StammDatenDialogModel::HelpOrigin:
        return QStringLiteral("Ursprungsland (Feld 34 a) und Ursprungsregion (Feld 34 b). \"Vorgaben\" oder F2 "
                              "öffnet die Liste der Länder bzw. der Bundesländer.");
    default:
        return QStringLiteral("Wählen Sie einen Datensatz in der Liste der Bezeichnungen oder der Warennummern; "
                              "beide Listen zeigen denselben Datensatz. Das Suchfeld zeigt nur die Datensätze, "
                              "deren Bezeichnung oder Warennummer den Text enthält.\n\n"
                              "\"Neuer Datensatz\" legt einen Datensatz an, \"Editieren\" ändert den gewählten, "
                              "\"Speichern\" schreibt ihn sofort in die Warentabelle. Ein Doppelklick wählt den "
                              "Datensatz aus (bei der Auswahl für Feld 31) oder editiert ihn.");
    }
}

QListView* makeList(QAbstractItemModel* model, int column, const QString& name, const QString& tip, QWidget* parent)
{
    auto* list = new QListView(parent);
    list->setObjectName(name);
    list->setModel(model);
    list->setModelColumn(column);
    // Every row has the same height: the view need not measure 100,000 of them.
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setToolTip(tip);
    return list;
}

} // namespace

CDlgStammDatenEingabe::CDlgStammDatenEingabe(Use use, const QString& dataDirectory, HelpContext* help,
                                             QWidget* parent)
    : QDialog(parent)
    , m_model(use, dataDirectory)
    , m_help(help)
{
    m_helpScope.emplace(m_help, m_helpContext);
    setWindowTitle(m_model.caption());
    buildControls();
    connectControls();
}

void CDlgStammDatenEingabe::buildControls()
{
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("search"));
    m_search->setClearButtonEnabled(true);
    m_search->installEventFilter(this);
    m_search->setToolTip(QStringLiteral("Zeigt nur die Datensätze, deren Bezeichnung oder Warennummer den Text enthält"));
    auto* searchLabel = new QLabel(QStringLiteral("&Suchen:"), this);
    searchLabel->setBuddy(m_search);

    m_descriptionList = makeList(&m_model.descriptionList(), GoodsRecordModel::DescriptionColumn,
                                 QStringLiteral("descriptionList"),
                                 QStringLiteral("Datensatzauswahl nach Bezeichnung"), this);
    m_numberList = makeList(&m_model.numberList(), GoodsRecordModel::NumberColumn, QStringLiteral("numberList"),
                            QStringLiteral("Datensatzauswahl nach Warennummer"), this);
    auto* descriptionLabel = new QLabel(QStringLiteral("31 &Zeichen und Nummern - Container Nr. - Anzahl und Art"), this);
    descriptionLabel->setBuddy(m_descriptionList);
    auto* numberLabel = new QLabel(QStringLiteral("33 &Warennummer"), this);
    numberLabel->setBuddy(m_numberList);

    m_group = new QGroupBox(m_model.groupTitle(), this);
    m_description = new QPlainTextEdit(m_group);
    m_description->setObjectName(QStringLiteral("description"));
    m_description->setTabChangesFocus(true);
    m_description->setToolTip(QStringLiteral("Eingabe des Textes für Feld 31"));
    m_description->setFixedHeight(m_description->fontMetrics().lineSpacing() * 5 + 12);
    auto* boxDescription = new QLabel(QStringLiteral("&Bezeichnung (Feld 31)"), m_group);
    boxDescription->setBuddy(m_description);
    auto* numbers = new QHBoxLayout;
    for (int i = 0; i < 5; ++i) {
        m_number[i] = new QLineEdit(m_group);
        m_number[i]->setObjectName(QStringLiteral("number%1").arg(i + 1));
        m_number[i]->setMaxLength(kNumberWidths[i]);
        m_number[i]->setToolTip(QStringLiteral("Eingabe der Warennummer (Feld 33)"));
        m_number[i]->setFixedWidth(m_number[i]->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (kNumberWidths[i] + 1) + 16);
        numbers->addWidget(m_number[i]);
    }
    numbers->addStretch();
    auto* boxNumber = new QLabel(QStringLiteral("Nu&mmer (Feld 33)"), m_group);
    boxNumber->setBuddy(m_number[0]);
    auto* origins = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
        m_origin[i] = new QLineEdit(m_group);
        m_origin[i]->setObjectName(QStringLiteral("origin%1").arg(i + 1));
        m_origin[i]->setMaxLength(kOriginWidth);
        m_origin[i]->setToolTip(QStringLiteral("Eingabe des Ursprungslandes (Feld 34)"));
        m_origin[i]->setFixedWidth(m_origin[i]->fontMetrics().horizontalAdvance(QLatin1Char('W')) * 4 + 16);
        origins->addWidget(m_origin[i]);
    }
    m_defaults = new QPushButton(QStringLiteral("&Vorgaben"), m_group);
    m_defaults->setObjectName(QStringLiteral("defaults"));
    m_defaults->setToolTip(QStringLiteral("Dialog für Ursprungsland öffnen (auch mit F2 möglich)"));
    // Clicking it must not take the focus from the country box it acts on.
    m_defaults->setFocusPolicy(Qt::NoFocus);
    m_defaults->setAutoDefault(false);
    origins->addWidget(m_defaults);
    origins->addStretch();
    auto* boxOrigin = new QLabel(QStringLiteral("&Ursprung (Feld 34)"), m_group);
    boxOrigin->setBuddy(m_origin[0]);
    auto* entry = new QGridLayout(m_group);
    entry->addWidget(boxDescription, 0, 0, Qt::AlignTop);
    entry->addWidget(m_description, 0, 1);
    entry->addWidget(boxNumber, 1, 0);
    entry->addLayout(numbers, 1, 1);
    entry->addWidget(boxOrigin, 2, 0);
    entry->addLayout(origins, 2, 1);

    auto makeButton = [this](const QString& text, const char* name, const char* tip) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setToolTip(QString::fromUtf8(tip));
        b->setAutoDefault(false);
        return b;
    };
    m_new = makeButton(QStringLiteral("&Neuer Datensatz"), "newRecord", "Neuen Datensatz erstellen");
    m_edit = makeButton(QStringLiteral("&Editieren"), "edit", "Ausgewählen Datensatz editieren");
    QDialogButtonBox* box = okCancelButtons(this, &m_ok, m_model.okText(), QStringLiteral("Abbruch"));
    m_cancel = box->findChild<QPushButton*>(QStringLiteral("cancel"));
    m_helpButton = box->addButton(QStringLiteral("&Hilfe"), QDialogButtonBox::HelpRole);
    m_helpButton->setObjectName(QStringLiteral("help"));
    const std::pair<QPushButton*, const char*> tips[] = {
        {m_ok, "Daten in Dokument übernehmen und den Dialog beenden"},
        {m_cancel, "Dialog abbrechen"},
        {m_helpButton, "Aufruf der On-Line Hilfe"},
    };
    for (const auto& [button, tip] : tips) {
        button->setToolTip(QString::fromUtf8(tip));
        button->setAutoDefault(false);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_new);
    buttons->addWidget(m_edit);
    buttons->addStretch();
    buttons->addWidget(box);

    auto* lists = new QGridLayout;
    lists->addWidget(descriptionLabel, 0, 0);
    lists->addWidget(numberLabel, 0, 1);
    lists->addWidget(m_descriptionList, 1, 0);
    lists->addWidget(m_numberList, 1, 1);
    lists->setColumnStretch(0, 3);
    lists->setColumnStretch(1, 1);
    auto* search = new QHBoxLayout;
    search->addWidget(searchLabel);
    search->addWidget(m_search, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addLayout(lists, 1);
    layout->addWidget(m_group);
    layout->addLayout(buttons);
    resize(760, 560);

    // The selection use only picks: no new records, no editing.
    const bool maintenance = m_model.use() == Use::Maintenance;
    m_new->setVisible(maintenance);
    m_edit->setVisible(maintenance);
    m_defaults->setVisible(maintenance);
}

void CDlgStammDatenEingabe::connectControls()
{
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_model.setSearchText(text);
        showSelection();
        showValues(m_model.shownValues());
        m_ok->setEnabled(m_model.canAccept());
    });
    for (QListView* list : {m_descriptionList, m_numberList}) {
        connect(list->selectionModel(), &QItemSelectionModel::currentChanged, this, [this, list] { pickedIn(list); });
        connect(list, &QListView::doubleClicked, this, &CDlgStammDatenEingabe::onDoubleClick);
        // A new order after saving or a new search resets the lists.
        connect(list->model(), &QAbstractItemModel::modelReset, this, [this] { showSelection(); });
    }
    connect(m_description, &QPlainTextEdit::textChanged, this, &CDlgStammDatenEingabe::limitDescription);
    connect(m_helpButton, &QPushButton::clicked, this,
            [this] { ChooserButtons::showHelp(this, helpText(m_helpContext)); });
    connect(m_new, &QPushButton::clicked, this, &CDlgStammDatenEingabe::onNew);
    connect(m_edit, &QPushButton::clicked, this, &CDlgStammDatenEingabe::onEditOrSave);
    connect(m_defaults, &QPushButton::clicked, this, &CDlgStammDatenEingabe::onDefaults);
    // F2 belongs to the dialog: it is taken wherever the focus is, and acts
    // only in a country box.
    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this);
    f2->setContext(Qt::WidgetWithChildrenShortcut);
    connect(f2, &QShortcut::activated, this, [this] {
        if (m_model.use() == Use::Maintenance && focusedOriginBox())
            onDefaults();
    });
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusMoved(now); });
}

CDlgStammDatenEingabe::~CDlgStammDatenEingabe()
{
    // Destroying the child widgets moves the focus once more.
    disconnect(m_focusWatch);
}

bool CDlgStammDatenEingabe::load()
{
    if (!m_model.open()) {
        QMessageBox::warning(parentWidget(), m_model.caption(), m_model.errorMessage());
        return false;
    }
    showState();
    // Browsing starts in the search box: typing narrows the lists, the
    // arrow keys move in them.
    if (!m_model.isEditing())
        m_search->setFocus();
    return true;
}

bool CDlgStammDatenEingabe::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_search && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QApplication::sendEvent(m_descriptionList, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CDlgStammDatenEingabe::showState()
{
    const bool editing = m_model.isEditing();
    m_search->setEnabled(!editing);
    m_descriptionList->setEnabled(!editing);
    m_numberList->setEnabled(!editing);
    m_description->setEnabled(editing);
    for (QLineEdit* box : m_number)
        box->setEnabled(editing);
    for (QLineEdit* box : m_origin)
        box->setEnabled(editing);
    m_new->setEnabled(!editing);
    m_edit->setText(editing ? QStringLiteral("S&peichern") : QStringLiteral("&Editieren"));
    m_edit->setEnabled(editing || m_model.selectedRecord() >= 0);
    m_ok->setEnabled(m_model.canAccept());
    // Enter saves while editing and ends the dialog while browsing.
    m_edit->setDefault(editing);
    m_ok->setDefault(!editing);
    m_defaults->setEnabled(focusedOriginBox() != nullptr);
    showSelection();
    showValues(m_model.shownValues());
    if (editing)
        m_description->setFocus();
    else
        m_descriptionList->setFocus();
}

void CDlgStammDatenEingabe::showSelection()
{
    m_showing = true;
    const int record = m_model.selectedRecord();
    for (QListView* list : {m_descriptionList, m_numberList}) {
        auto* proxy = static_cast<GoodsListProxy*>(list->model());
        const int row = proxy->rowOfRecord(record);
        if (row < 0) {
            list->selectionModel()->clear();
            continue;
        }
        const QModelIndex index = proxy->index(row, proxy->column());
        list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        list->scrollTo(index);
    }
    m_showing = false;
}

void CDlgStammDatenEingabe::showValues(const Values& values)
{
    m_description->setPlainText(QString(values[0]).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    for (int i = 0; i < 5; ++i)
        m_number[i]->setText(values[1 + i]);
    for (int i = 0; i < 2; ++i)
        m_origin[i]->setText(values[6 + i]);
}

CDlgStammDatenEingabe::Values CDlgStammDatenEingabe::boxValues() const
{
    Values v;
    v[0] = m_description->toPlainText();
    for (int i = 0; i < 5; ++i)
        v[1 + i] = m_number[i]->text();
    for (int i = 0; i < 2; ++i)
        v[6 + i] = m_origin[i]->text();
    return v;
}

void CDlgStammDatenEingabe::pickedIn(QListView* list)
{
    if (m_showing || m_model.isEditing())
        return;
    auto* proxy = static_cast<GoodsListProxy*>(list->model());
    const int record = proxy->recordAt(list->currentIndex().row());
    if (record < 0)
        return;
    m_model.select(record);
    showSelection();
    showValues(m_model.shownValues());
    m_edit->setEnabled(true);
    m_ok->setEnabled(m_model.canAccept());
}

void CDlgStammDatenEingabe::onNew()
{
    m_model.startNew();
    showState();
}

void CDlgStammDatenEingabe::onEditOrSave()
{
    if (!m_model.isEditing()) {
        if (m_model.startEdit())
            showState();
        return;
    }
    if (!m_model.save(boxValues())) {
        showError(m_model.errorMessage());
        return;
    }
    // The search may have been cleared to show the record just saved.
    if (m_search->text() != m_model.searchText()) {
        const QSignalBlocker block(m_search);
        m_search->setText(m_model.searchText());
    }
    showState();
}

void CDlgStammDatenEingabe::onDoubleClick()
{
    if (m_model.use() == Use::Selection)
        accept();
    else if (m_model.startEdit())
        showState();
}

void CDlgStammDatenEingabe::onDefaults()
{
    QLineEdit* box = focusedOriginBox();
    if (!box || !m_model.isEditing())
        return;
    if (box == m_origin[0]) {
        Common_DlgLaenderCode chooser(LaenderCodeModel::Ursprungsland, QString(), box->text(), this);
        if (chooser.exec() == QDialog::Accepted)
            box->setText(chooser.code());
    } else {
        Common_DlgBundeslaenderCode chooser(box->text(), QString(), this);
        if (chooser.exec() == QDialog::Accepted)
            box->setText(chooser.code());
    }
    box->setFocus();
}

void CDlgStammDatenEingabe::limitDescription()
{
    // At most 253 characters, a line break counting as the two it takes in
    // the table; what goes beyond is not taken.
    const QString text = m_description->toPlainText();
    const qsizetype stored = text.size() + text.count(QLatin1Char('\n'));
    if (stored <= CKestrovaneStammDaten::DescriptionMaxLength)
        return;
    qsizetype keep = 0, length = 0;
    while (keep < text.size()) {
        const int step = text.at(keep) == QLatin1Char('\n') ? 2 : 1;
        if (length + step > CKestrovaneStammDaten::DescriptionMaxLength)
            break;
        length += step;
        ++keep;
    }
    const QSignalBlocker block(m_description);
    QTextCursor cursor = m_description->textCursor();
    const int position = cursor.position();
    m_description->setPlainText(text.left(keep));
    cursor = m_description->textCursor();
    cursor.setPosition(std::min<int>(position, int(keep)));
    m_description->setTextCursor(cursor);
    QApplication::beep();
}

QLineEdit* CDlgStammDatenEingabe::focusedOriginBox() const
{
    QWidget* focus = QApplication::focusWidget();
    for (QLineEdit* box : m_origin) {
        if (focus == box)
            return box;
    }
    return nullptr;
}

void CDlgStammDatenEingabe::focusMoved(QWidget* now)
{
    if (!now || now->window() != this)
        return;
    m_defaults->setEnabled(focusedOriginBox() != nullptr);
    int context = StammDatenDialogModel::HelpLists;
    if (now == m_description)
        context = StammDatenDialogModel::HelpDescription;
    else if (std::find(m_number.begin(), m_number.end(), now) != m_number.end())
        context = StammDatenDialogModel::HelpGoodsNumber;
    else if (focusedOriginBox())
        context = StammDatenDialogModel::HelpOrigin;
    else if (now != m_descriptionList && now != m_numberList && now != m_search)
        return; // buttons keep the topic of the part the user came from
    m_helpContext = context;
    if (m_help)
        m_help->set(context);
}

void CDlgStammDatenEingabe::showError(const QString& text)
{
    QMessageBox::warning(this, windowTitle(), text);
}

void CDlgStammDatenEingabe::accept()
{
    if (!m_model.accept()) {
        if (!m_model.errorMessage().isEmpty())
            showError(m_model.errorMessage());
        return;
    }
    QDialog::accept();
}

void CDlgStammDatenEingabe::reject()
{
    // "Abbruch" (and Esc) while editing ends only the editing.
    if (m_model.isEditing()) {
        m_model.cancelEdit();
        showState();
        return;
    }
    QDialog::reject();
}
