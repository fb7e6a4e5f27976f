// The field editor's placement: the field rectangles of both page kinds,
// which field it lies over, and where the window sits in the view. Looks,
// typing and the clipboard are in the files beside this one.
#include "view/CQxEditWindow.h"

#include <QScrollBar>
#include <QTextCursor>

#include "form/FieldStore.h"
#include "view/CQxScrollViewBase.h"
#include "view/EditorText.h"
#include "view/FieldTextFit.h"
#include "view/FieldVisibility.h"
#include "view/FormMapping.h"

namespace {

// The drawn text keeps these distances (0.1 mm on the screen) from the
// field's edges; the editor keeps them too, so text does not jump when the
// editor moves on.
constexpr int LeftInset = 10;
constexpr int RightInset = 12;

Qt::Alignment alignmentOf(std::uint16_t attr)
{
    switch (attr & FieldStore::AlignMask) {
    case FieldStore::AlignCenter:
        return Qt::AlignHCenter;
    case FieldStore::AlignRight:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace

CQxEditWindow::CQxEditWindow(CQxScrollViewBase* view, FieldStore& store)
    : QTextEdit(view->viewport()), m_view(view), m_store(store)
{
    setFrameStyle(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Undo belongs to the document's history, not to the text control.
    setUndoRedoEnabled(false);
    setTabChangesFocus(false);
    setAutoFillBackground(true);
    document()->setDocumentMargin(0);
    if (m_store.firstPageFieldCount() == 0)
        m_store.setCounts(1, m_store.continuationFieldCount(), true);
    m_firstRects.resize(m_store.firstPageFieldCount());
    m_contRects.resize(m_store.continuationFieldCount());
    connect(this, &QTextEdit::textChanged, this, &CQxEditWindow::onTextChanged);
    connect(this, &QTextEdit::cursorPositionChanged, this, [this] { m_typingRefused = false; });
    setGeometry(10, 10, 10, 10);
}

CQxEditWindow::~CQxEditWindow() = default;

// --- rectangles -------------------------------------------------------------

namespace {

// The rectangles of one page kind: set and read by field index below the
// kind's field count.
int storeRect(QList<QRect>& rects, int count, int field, const QRect& rect)
{
    if (field < 0 || field >= count)
        return -1;
    if (rects.size() < count)
        rects.resize(count);
    rects[field] = rect;
    return 0;
}

int loadRect(const QList<QRect>& rects, int count, int field, QRect* rect)
{
    if (field < 0 || field >= count || field >= rects.size())
        return -1;
    *rect = rects[field];
    return 0;
}

} // namespace

int CQxEditWindow::SetFieldRect(int field, const QRect& rect)
{
    return storeRect(m_firstRects, m_store.firstPageFieldCount(), field, rect);
}

int CQxEditWindow::GetFieldRect(int field, QRect* rect) const
{
    return loadRect(m_firstRects, m_store.firstPageFieldCount(), field, rect);
}

int CQxEditWindow::SetContFieldRect(int field, const QRect& rect)
{
    return storeRect(m_contRects, m_store.continuationFieldCount(), field, rect);
}

int CQxEditWindow::GetContFieldRect(int field, QRect* rect) const
{
    return loadRect(m_contRects, m_store.continuationFieldCount(), field, rect);
}

QRect CQxEditWindow::fieldRect(int field, int page) const
{
    QRect r;
    if (page <= 1)
        GetFieldRect(field, &r);
    else
        GetContFieldRect(field, &r);
    return r;
}

// --- focus ------------------------------------------------------------------

int CQxEditWindow::GoToField(int field, int page)
{
    if (page == 0)
        page = m_page;
    if (field < 0 || field >= m_store.fieldCount(page))
        return -1;
    return loadField(field, page);
}

int CQxEditWindow::loadField(int field, int page)
{
    if (page == 0)
        page = m_page;
    if (field < 0 || field >= m_store.fieldCount(page))
        return -1;
    m_field = field;
    m_page = page;
    m_store.setCurrent(page, field);

    m_loading = true;
    const std::uint16_t attr = m_store.attr(field, page);
    applyFieldLooks(attr);
    placeWindow();
    setPlainText(EditorText::toEditor(m_store.text(field, page)));
    moveCursor(QTextCursor::Start);
    m_loading = false;
    ++m_visit;
    m_typingRefused = false;

    show();
    setFocus(Qt::OtherFocusReason);
    return 0;
}

void CQxEditWindow::applyFieldLooks(std::uint16_t attr)
{
    // A size step outside 0..4 keeps the font the window has.
    if ((attr & FieldStore::SizeMask) <= FieldStore::MaxSizeStep)
        setFont(editorFont(attr));
    const FormMapping m(m_zoom, m_dpi);
    const Qt::Alignment align = alignmentOf(attr);
    setViewportMargins(align == Qt::AlignLeft ? m.toPixels(LeftInset) : 0, 0,
                       align == Qt::AlignRight ? m.toPixels(RightInset) : 0, 0);
    const QRect r = fieldRect(m_field, m_page);
    const QMargins margins = viewportMargins();
    FieldTextFit::configure(*document(), font(), align, std::max(0, r.width() - margins.left() - margins.right()));
}

void CQxEditWindow::writeStore()
{
    m_store.setText(m_field, m_page, EditorText::toStored(document()->toRawText()));
}

void CQxEditWindow::placeWindow()
{
    const QRect r = fieldRect(m_field, m_page);
    setGeometry(r.translated(-m_view->scrollPosition()));
}

void CQxEditWindow::EnsureFieldVisible()
{
    const FormMapping m = m_view->mapping();
    const QPoint maxScroll(m_view->horizontalScrollBar()->maximum(), m_view->verticalScrollBar()->maximum());
    const QPoint target = FieldVisibility::scrollFor(fieldRect(m_field, m_page), m_view->viewport()->size(),
                                                     m_view->scrollPosition(), maxScroll, m.toPixels(150));
    if (target != m_view->scrollPosition())
        m_view->scrollToPosition(target);
}

void CQxEditWindow::refresh()
{
    GoToField(m_field, 0);
}
