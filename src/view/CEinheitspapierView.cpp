#include "view/CEinheitspapierView.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "form/FieldDefinitions.h"
#include "settings/Profile.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhDocumentOperations.h"
#include "form/EhField.h"
#include "form/EhFieldGeometry.h"
#include "view/CDlgTexteingabe.h"
#include "duty/Feld47Box.h"
#include "view/CQznEditWindow_EHP.h"
#include "view/EhFocusNavigator.h"
#include "view/EhViewPrompt.h"
#include "view/FormPainter.h"
#include "view/FormUndo.h"

CEinheitspapierView::CEinheitspapierView(CEinheitspapierDoc* doc, FieldDefinitions& definitions, QWidget* parent)
    : CQxScrollViewBase(parent)
    , m_doc(doc)
    , m_definitions(definitions)
    , m_prompt(std::make_unique<EhViewPrompt>(this))
{
    setObjectName(QStringLiteral("einheitspapierView"));
    setSettingsSection(QString::fromLatin1(Section));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);

    m_editor = new CQznEditWindow_EHP(this, m_doc->store());
    m_editor->installEventFilter(this);
    createUndo();
    connect(m_editor, &CQxEditWindow::textEdited, this, [this] {
        // Typing is in the history already: back at the saved text, the
        // document is unmodified again.
        undoIndexChanged();
    });
    connect(m_editor, &CQxEditWindow::insertModeToggled, this, [this] {
        refreshStatus();
        updateCommandState();
    });
    connect(this, &CQxScrollViewBase::zoomChanged, this, [this] {
        m_editor->EnsureFieldVisible();
        updateCommandState();
    });

    createActions();
    m_editor->setContextActions(m_contextList);
    loadZoom();
    refreshStatus();
    updateCommandState();
}

CEinheitspapierView::~CEinheitspapierView()
{
    m_doc->setSavedObserver(nullptr);
}

void CEinheitspapierView::setFormSetChooser(FormSetChooser chooser)
{
    m_prompt->setFormSetChooser(std::move(chooser));
}

bool CEinheitspapierView::initialUpdate(int appFormSet)
{
    FieldDefinitions& defs = m_definitions;
    QByteArray first = defs.table(EhFieldFlags::PageKind::First);
    QByteArray cont = defs.table(EhFieldFlags::PageKind::Continuation);
    const int formSet = EhDocumentOperations::openView(*m_doc, appFormSet, *m_prompt, first, cont);
    defs.setTable(EhFieldFlags::PageKind::First, first);
    defs.setTable(EhFieldFlags::PageKind::Continuation, cont);
    if (formSet < 0)
        return false;
    // What the history starts from is the document as read: a document that
    // was changed in reading (converted from an old version) is never back
    // at its saved state.
    const bool changedInReading = m_doc->isModified();
    m_undo->clear();
    if (changedInReading) {
        m_undo->markUnsaved();
        m_doc->setModified(true);
    }
    const EhFocusNavigator::Position start = navigator().firstPage();
    m_editor->loadField(start.field, start.page);
    m_editor->EnsureFieldVisible();
    viewport()->update();
    refreshStatus();
    updateCommandState();
    emit viewActivated(formSet);
    return true;
}

EhFocusNavigator CEinheitspapierView::navigator() const
{
    const FieldDefinitions& defs = m_definitions;
    return EhFocusNavigator(defs.table(EhFieldFlags::PageKind::First),
                            defs.table(EhFieldFlags::PageKind::Continuation), m_doc->formSet());
}

int CEinheitspapierView::currentPage() const
{
    return m_editor->GetCurrentPage();
}

int CEinheitspapierView::currentField() const
{
    return m_editor->GetCurrentField();
}

int CEinheitspapierView::pageCount() const
{
    return m_doc->store().pageCount();
}


// --- layout and drawing --------------------------------------------------------

void CEinheitspapierView::layoutView()
{
    using EhFieldFlags::PageKind;
    updateScrollSizes();
    const FormMapping m = mapping();
    for (int f = 0; f < EhFieldGeometry::FirstPageRows; ++f)
        m_editor->SetFieldRect(f, m.fieldRect(EhFieldGeometry::screenRect(PageKind::First, f)));
    for (int f = 0; f < EhFieldGeometry::ContinuationRows; ++f)
        m_editor->SetContFieldRect(f, m.fieldRect(EhFieldGeometry::screenRect(PageKind::Continuation, f)));
    m_editor->SetupScreenFonts(zoom(), m.dpi());
    // The focus stays where it was: a new zoom is no reason to lose one's
    // place in the form.
    m_editor->GoToField(currentField(), currentPage());
    setLayoutValid(true);
}

void CEinheitspapierView::onZoomChanged()
{
    layoutView();
}

void CEinheitspapierView::onScrolled()
{
    m_editor->placeWindow();
}

void CEinheitspapierView::paintEvent(QPaintEvent* event)
{
    if (!isLayoutValid())
        layoutView();
    QPainter painter(viewport());
    const QRect area = beginFormPainting(painter, event->rect());

    EhPaintOptions options = EhPaintOptions::fromSettings(zoom());
    options.area = area;
    EhFormPage page;
    page.store = &m_doc->store();
    page.formSet = m_doc->formSet();
    page.page = currentPage();
    page.firstFlags = m_definitions.table(EhFieldFlags::PageKind::First);
    page.contFlags = m_definitions.table(EhFieldFlags::PageKind::Continuation);
    page.inputTax = m_doc->inputTax();
    const FormPainter form(options);
    m_formPicture.draw(painter, event->rect(), scrollPosition(), formPictureLook(form.formLook(page)),
                       [&](QPainter& p) { form.paintForm(p, page); });
    form.paintOverForm(painter, page);
}

// --- focus ------------------------------------------------------------------

bool CEinheitspapierView::goToFormField(int field, int page, int direction)
{
    if (page == 0)
        page = currentPage();
    if (page < 1 || page > pageCount())
        return false;
    const int fromPage = currentPage();
    const int fromField = currentField();
    {
        // What leaving a field changes belongs to the typing in it.
        FormUndo::Step step(*m_undo, QStringLiteral("Eingabe"), FormUndo::StepKind::FollowUp, m_editor->visit());
        EhDocumentOperations::leaveField(*m_doc, fromPage, fromField);
        if (Profile::get(Settings::AutoFillPositions) == 1 && EhDocumentOperations::isNumberingTarget(page, field))
            EhDocumentOperations::renumber(*m_doc);
    }
    const int target = navigator().resolveTarget(page, fromField, field);
    m_editor->loadField(target, page);
    m_editor->EnsureFieldVisible();
    viewport()->update();
    refreshStatus();
    updateCommandState();
    if (m_doc->isModified())
        emit documentChanged();

    if (!m_inStampInput && EhDocumentOperations::opensStampInput(page, target))
        runStampInput(target, direction);
    else if (const std::optional<Feld47Box> box = Feld47Box::openedBy(target, page))
        runBox47(*box, target);
    else if (!m_inBox44Dialog && page == 1 && target == EhField::Box44)
        runBox44Dialog(direction);
    return true;
}

void CEinheitspapierView::runStampInput(int field, int direction)
{
    m_inStampInput = true;
    CDlgTexteingabe dialog(m_doc->store().text(field, 1), this);
    if (dialog.exec() == QDialog::Accepted) {
        FormUndo::Step step(*m_undo, QStringLiteral("Texteingabe"));
        EhDocumentOperations::applyStampInput(*m_doc, field, dialog.text());
        m_editor->loadField(field, 1);
        emit documentChanged();
    }
    // The rows were typed in the dialog; the focus moves on in the direction
    // the user was going, so Shift+Tab can pass the stamp line too.
    const EhFocusNavigator nav = navigator();
    const int next = direction < 0 ? nav.previousField(1, field) : nav.nextField(1, field);
    goToFormField(next, 1, direction);
    m_inStampInput = false;
}

void CEinheitspapierView::revealFocusedField()
{
    m_editor->EnsureFieldVisible();
}

void CEinheitspapierView::giveFocusToEditor()
{
    m_editor->setFocus(Qt::OtherFocusReason);
}

void CEinheitspapierView::focusInEvent(QFocusEvent* event)
{
    CQxScrollViewBase::focusInEvent(event);
    refreshStatus();
    emit viewActivated(m_doc->formSet());
    m_editor->setFocus(Qt::OtherFocusReason);
}

bool CEinheitspapierView::eventFilter(QObject* watched, QEvent* event)
{
    // The user coming back to this document (not the view's own focus moves,
    // which use OtherFocusReason).
    if (watched == m_editor && event->type() == QEvent::FocusIn
        && static_cast<QFocusEvent*>(event)->reason() != Qt::OtherFocusReason) {
        refreshStatus();
        emit viewActivated(m_doc->formSet());
    }
    return CQxScrollViewBase::eventFilter(watched, event);
}

// --- mouse ------------------------------------------------------------------

void CEinheitspapierView::formClicked(const QPoint& pos)
{
    const FormMapping m = mapping();
    const int field = navigator().fieldAt(currentPage(), m.zoomedPoint(pos + scrollPosition()), zoom());
    if (field < 0) {
        m_prompt->beep();
        giveFocusToEditor();
        return;
    }
    goToFormField(field, currentPage());
}

void CEinheitspapierView::formHovered(const QPoint& pos)
{
    const FormMapping m = mapping();
    const bool over = navigator().fieldAt(currentPage(), m.zoomedPoint(pos + scrollPosition()), zoom()) >= 0;
    if (over != m_overField) {
        m_overField = over;
        viewport()->setCursor(over ? Qt::IBeamCursor : Qt::ArrowCursor);
    }
}

// --- status -------------------------------------------------------------------

QString CEinheitspapierView::statusText() const
{
    return QStringLiteral("Einheitspapier - Seite %1 von %2").arg(currentPage()).arg(pageCount());
}

QString CEinheitspapierView::insertModeText() const
{
    return m_editor->IsInsertMode() ? QStringLiteral("Einfügen") : QStringLiteral("Überschreiben");
}

void CEinheitspapierView::refreshStatus()
{
    emit statusChanged(statusText(), insertModeText());
}

void CEinheitspapierView::markModified()
{
    m_doc->setModified(true);
    emit documentChanged();
}
