#include "dv1/CDV1_View.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "dv1/CDV1_Doc.h"
#include "dv1/CQznEditWindow_DV1.h"
#include "dv1/DV1Focus.h"
#include "dv1/DV1FormPainter.h"
#include "dv1/DV1Geometry.h"
#include "settings/StringTable.h"
#include "view/FormUndo.h"

using DV1Geometry::Layout;

CDV1_View::CDV1_View(CDV1_Doc* doc, QWidget* parent)
    : CQxScrollViewBase(parent)
    , m_doc(doc)
{
    setObjectName(QStringLiteral("dv1View"));
    setSettingsSection(QString::fromLatin1(Section));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);

    m_editor = new CQznEditWindow_DV1(this, m_doc->fieldStore());
    createUndo();
    // Typing is in the history already: back at the saved text, the
    // document is unmodified again.
    connect(m_editor, &CQxEditWindow::textEdited, this, &CDV1_View::undoIndexChanged);
    connect(m_editor, &CQxEditWindow::insertModeToggled, this, [this] {
        refreshStatus();
        updateCommandState();
    });
    connect(this, &CQxScrollViewBase::zoomChanged, this, [this] {
        m_editor->EnsureFieldVisible();
        updateCommandState();
    });
    // Saving trims the texts: the field shown takes its stored text again.
    m_doc->setSavedObserver([this] {
        m_undo->markSaved();
        m_editor->loadField(currentField(), currentPage());
        viewport()->update();
    });

    createActions();
    m_editor->setContextActions(m_contextList);
    loadZoom();
    refreshStatus();
    updateCommandState();
}

CDV1_View::~CDV1_View()
{
    m_doc->setSavedObserver(nullptr);
}

void CDV1_View::initialUpdate()
{
    if (!isLayoutValid())
        layoutView();
    updateScrollSizes();
    scrollToPosition(QPoint(0, 0));
    if (m_doc->loadStatus() != 0) {
        QApplication::beep();
        showMessage(m_doc->LoadStatusMessage(m_doc->loadStatus()));
    }
    // The history starts from the document as read; one converted in reading
    // is never back at its saved state.
    const bool changedInReading = m_doc->isModified();
    m_undo->clear();
    if (changedInReading) {
        m_undo->markUnsaved();
        m_doc->setModified(true);
    }
    goToFormField(0, 1);
}

void CDV1_View::createUndo()
{
    FormUndo::Target target;
    target.store = &m_doc->fieldStore();
    target.values = [this] {
        QList<int> boxes;
        for (const std::uint8_t b : m_doc->answerBoxes())
            boxes << b;
        return boxes;
    };
    target.setValues = [this](const QList<int>& values) {
        QByteArray bytes;
        for (const int v : values)
            bytes += char(v);
        m_doc->setAnswerBoxes(bytes);
    };
    target.focus = [this] {
        return FormUndo::Focus{currentPage(), currentField(), m_editor->textCursor().position()};
    };
    m_undo = new FormUndo(std::move(target), this);
    m_editor->setUndo(m_undo);
    // Undo and redo show the field they changed; moving the focus changes
    // nothing in a D.V.1.
    connect(m_undo, &FormUndo::restored, this, [this](int page, int field, int caret) {
        if (!goToFormField(field, page))
            goToFormField(0, 1);
        else if (caret >= 0)
            m_editor->setCaretPosition(caret);
    });
    connect(&m_undo->stack(), &QUndoStack::indexChanged, this, &CDV1_View::undoIndexChanged);
    connect(&m_undo->stack(), &QUndoStack::cleanChanged, this, &CDV1_View::undoIndexChanged);
}

void CDV1_View::undoIndexChanged()
{
    m_doc->setModified(!m_undo->stack().isClean());
    emit documentChanged();
    if (m_commands)
        m_commands->updateEditorCommands();
}

int CDV1_View::currentPage() const
{
    return m_editor->GetCurrentPage();
}

int CDV1_View::currentField() const
{
    return m_editor->GetCurrentField();
}

int CDV1_View::pageCount() const
{
    return m_doc->pageCount();
}

void CDV1_View::showMessage(const QString& text)
{
    if (m_message)
        m_message(this, text);
    else
        QMessageBox::warning(this, StringTable::text(StringTable::ApplicationTitle), text);
}

// --- layout and drawing --------------------------------------------------------

void CDV1_View::loadContinuationRects(int page)
{
    // The editor holds one set of continuation rectangles: the set of the
    // page's parity (page 1 keeps the set of page 2).
    const Layout layout = page % 2 == 1 && page > 1 ? Layout::Odd : Layout::Even;
    const FormMapping m = mapping();
    for (int f = 0; f < DV1Geometry::ContinuationFields; ++f)
        m_editor->SetContFieldRect(f, m.fieldRect(DV1Geometry::screenRect(layout, f)));
    m_oddRects = layout == Layout::Odd;
}

void CDV1_View::layoutView()
{
    updateScrollSizes();
    const FormMapping m = mapping();
    for (int f = 0; f < DV1Geometry::FirstPageFields; ++f)
        m_editor->SetFieldRect(f, m.fieldRect(DV1Geometry::screenRect(Layout::First, f)));
    loadContinuationRects(currentPage());
    m_editor->SetupScreenFonts(zoom(), m.dpi());
    // The focus stays where it was: a new zoom is no reason to lose one's
    // place in the form.
    m_editor->GoToField(currentField(), currentPage());
    setLayoutValid(true);
}

void CDV1_View::onZoomChanged()
{
    layoutView();
}

void CDV1_View::onScrolled()
{
    m_editor->placeWindow();
}

void CDV1_View::paintEvent(QPaintEvent* event)
{
    if (!isLayoutValid())
        layoutView();
    QPainter painter(viewport());
    const QRect area = beginFormPainting(painter, event->rect());

    Dv1PaintOptions options = Dv1PaintOptions::fromSettings(zoom());
    options.area = area;
    const DV1FormPainter form(options);
    const DV1Geometry::Layout layout = DV1Geometry::layoutOf(currentPage());
    m_formPicture.draw(painter, event->rect(), scrollPosition(), formPictureLook(form.formLook(layout)),
                       [&](QPainter& p) { form.paintForm(p, layout); });
    form.paintOverForm(painter, m_doc, currentPage());
}

// --- focus ------------------------------------------------------------------

bool CDV1_View::goToFormField(int field, int page)
{
    if (page == 0)
        page = currentPage();
    if (page < 1 || page > pageCount())
        return false;
    const bool samePage = page == currentPage();
    const int direction = samePage && field < currentField() ? -1 : +1;
    const int target = DV1Focus::resolve(page, field, direction);
    if (page > 1 && (page % 2 == 1) != m_oddRects)
        loadContinuationRects(page);
    m_editor->GoToField(target, page);
    m_editor->setFocus(Qt::OtherFocusReason);
    const int context = DV1Geometry::helpContext(page, target);
    if (context != m_helpContext) {
        m_helpContext = context;
        emit helpContextChanged(context);
    }
    m_editor->EnsureFieldVisible();
    viewport()->update();
    refreshStatus();
    updateCommandState();
    return true;
}

void CDV1_View::revealFocusedField()
{
    m_editor->EnsureFieldVisible();
}

void CDV1_View::giveFocusToEditor()
{
    m_editor->setFocus(Qt::OtherFocusReason);
}

void CDV1_View::focusInEvent(QFocusEvent* event)
{
    CQxScrollViewBase::focusInEvent(event);
    refreshStatus();
    m_editor->setFocus(Qt::OtherFocusReason);
}

// --- mouse ------------------------------------------------------------------

void CDV1_View::formClicked(const QPoint& pos)
{
    const QPoint point = mapping().zoomedPoint(pos + scrollPosition());
    const int field = DV1Focus::fieldAt(currentPage(), point, zoom());
    if (field >= 0) {
        goToFormField(field, currentPage());
        return;
    }
    const int box = currentPage() == 1 ? DV1Focus::answerBoxAt(point, zoom()) : -1;
    if (box >= 0) {
        FormUndo::Step step(*m_undo, QStringLiteral("Ankreuzfeld"));
        m_doc->ClickAnswerBox(box);
        emit documentChanged();
        viewport()->update();
    } else {
        QApplication::beep();
    }
    giveFocusToEditor();
}

void CDV1_View::formHovered(const QPoint& pos)
{
    const QPoint point = mapping().zoomedPoint(pos + scrollPosition());
    const bool over = DV1Focus::fieldAt(currentPage(), point, zoom()) >= 0
        || (currentPage() == 1 && DV1Focus::answerBoxAt(point, zoom()) >= 0);
    if (over != m_overField) {
        m_overField = over;
        viewport()->setCursor(over ? Qt::IBeamCursor : Qt::ArrowCursor);
    }
}

// --- status -------------------------------------------------------------------

QString CDV1_View::statusText() const
{
    return QStringLiteral("D.V.1 - Seite %1 von %2").arg(currentPage()).arg(pageCount());
}

QString CDV1_View::insertModeText() const
{
    return m_editor->IsInsertMode() ? QStringLiteral("Einfügen") : QStringLiteral("Überschreiben");
}

void CDV1_View::refreshStatus()
{
    emit statusChanged(statusText(), insertModeText());
}

void CDV1_View::markModified()
{
    m_doc->setModified(true);
    emit documentChanged();
}
