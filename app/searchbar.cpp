#include "app/searchbar.h"

#include "app/searchwords.h"
#include "platform/guarded.h"
#include "platform/htmlview.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslabel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>

namespace {

// However small the font, no screen shows more; each mark costs on every repaint.
constexpr int mostMarkedHits = 2000;

} // namespace

SearchBar::SearchBar(HtmlView* view, QWidget* parent) : QWidget(parent), view_(view)
{
    setObjectName(QStringLiteral("SearchBar"));
    edit = new TsEdit(this);
    edit->setObjectName(QStringLiteral("SearchEdit"));
    edit->setAccessibleName(QStringLiteral("Найти в тексте"));
    edit->setPlaceholderText(QStringLiteral("Найти в тексте"));
    previousButton = new TsButton(this);
    previousButton->setText(QStringLiteral("Назад"));
    previousButton->setAccessibleName(QStringLiteral("Предыдущее совпадение"));
    nextButton = new TsButton(this);
    nextButton->setText(QStringLiteral("Далее"));
    nextButton->setAccessibleName(QStringLiteral("Следующее совпадение"));
    countLabel = new TsLabel(this);
    closeButton = new TsButton(this);
    closeButton->setText(QStringLiteral("Закрыть"));
    closeButton->setAccessibleName(QStringLiteral("Закрыть поиск"));
    for (QWidget* control :
         {static_cast<QWidget*>(previousButton), static_cast<QWidget*>(nextButton), static_cast<QWidget*>(closeButton)})
        control->setFocusPolicy(Qt::TabFocus);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 2, 2, 2);
    row->addWidget(edit, 1);
    row->addWidget(previousButton);
    row->addWidget(nextButton);
    row->addWidget(countLabel);
    row->addWidget(closeButton);
    edit->installEventFilter(this);
    connectGuarded(edit, &QLineEdit::textChanged, this, [this] {
        markHits();
        // While the reader types on, the hit shown stays as long as it still matches.
        QTextCursor from = view_->textCursor();
        from.setPosition(from.selectionStart());
        view_->setTextCursor(from);
        find({});
    });
    connectGuarded(nextButton, &QPushButton::clicked, this, &SearchBar::findNext);
    connectGuarded(previousButton, &QPushButton::clicked, this, &SearchBar::findPrevious);
    connectGuarded(closeButton, &QPushButton::clicked, this, &SearchBar::closeBar);
    connectGuarded(view_, &HtmlView::loadFinished, this, [this] {
        if (isVisible())
            markHits();
    });
    for (QScrollBar* bar : {view_->verticalScrollBar(), view_->horizontalScrollBar()})
        connectGuarded(bar, &QScrollBar::valueChanged, this, &SearchBar::markVisibleHits);
    view_->viewport()->installEventFilter(this);
    viewport_ = view_->viewport();
    hide();
}

void SearchBar::open(const QString& text)
{
    show();
    if (!text.isEmpty() && text != edit->text()) {
        // Searching afresh starts from the top of the document.
        view_->moveCursor(QTextCursor::Start);
        edit->setText(text);
    } else {
        markHits();
    }
    edit->setFocus();
    edit->selectAll();
}

void SearchBar::findNext()
{
    find({});
}

void SearchBar::findPrevious()
{
    find(QTextDocument::FindBackward);
}

void SearchBar::find(QTextDocument::FindFlags flags)
{
    if (edit->text().isEmpty())
        return;
    const QRegularExpression pattern = searchwords::phrasePattern(edit->text());
    QTextCursor from = view_->textCursor();
    // Going on from the hit shown: forward past its end, backward before its start.
    if (!(flags & QTextDocument::FindBackward))
        from.setPosition(from.selectionEnd());
    else
        from.setPosition(from.selectionStart());
    QTextCursor hit = view_->document()->find(pattern, from, flags);
    if (hit.isNull()) {
        // Round the end of the document to its other end.
        QTextCursor edge(view_->document());
        edge.movePosition(flags & QTextDocument::FindBackward ? QTextCursor::End : QTextCursor::Start);
        hit = view_->document()->find(pattern, edge, flags);
    }
    if (!hit.isNull()) {
        view_->setTextCursor(hit);
        view_->ensureCursorVisible();
    }
}

void SearchBar::markHits()
{
    hits_.clear();
    if (!edit->text().isEmpty()) {
        // Block by block as the document's own find goes, so that the hits counted are the ones
        // Enter steps through, but without a cursor made for each: a long lecture has tens of
        // thousands of them.
        const QRegularExpression pattern = searchwords::phrasePattern(edit->text());
        for (QTextBlock block = view_->document()->begin(); block.isValid(); block = block.next()) {
            QString text = block.text();
            text.replace(QChar::Nbsp, u' ');
            for (QRegularExpressionMatchIterator match = pattern.globalMatch(text); match.hasNext();) {
                const QRegularExpressionMatch hit = match.next();
                if (hit.capturedLength() > 0)
                    hits_.append({block.position() + int(hit.capturedStart()), int(hit.capturedLength())});
            }
        }
    }
    markVisibleHits();
    if (edit->text().isEmpty())
        countLabel->clear();
    else
        countLabel->setText(hits_.isEmpty() ? QStringLiteral("Не найдено")
                                            : QStringLiteral("Совпадений: %1").arg(hits_.size()));
}

void SearchBar::markVisibleHits()
{
    if (!isVisible())
        return;
    // Only the hits on the screen are marked, and those a screen above and below it, which a
    // scroll by a page brings in before the marks are made again.
    const QWidget* screen = view_->viewport();
    const int from = view_->cursorForPosition(QPoint(0, -screen->height())).position();
    const int to = view_->cursorForPosition(QPoint(screen->width(), 2 * screen->height())).position();
    QTextCharFormat marked;
    marked.setBackground(QColor(255, 230, 90));
    QList<QTextEdit::ExtraSelection> marks;
    auto hit = std::lower_bound(hits_.cbegin(), hits_.cend(), from,
                                [](const Hit& h, int position) { return h.start + h.length <= position; });
    for (; hit != hits_.cend() && hit->start <= to && marks.size() < mostMarkedHits; ++hit) {
        QTextCursor mark(view_->document());
        mark.setPosition(hit->start);
        mark.setPosition(hit->start + hit->length, QTextCursor::KeepAnchor);
        marks.append({mark, marked});
    }
    view_->setExtraSelections(marks);
}

void SearchBar::closeBar()
{
    hide();
    hits_.clear();
    view_->setExtraSelections({});
    view_->setFocus();
}

bool SearchBar::eventFilter(QObject* watched, QEvent* event)
{
    // The viewport is compared by its address alone: it is also watched while the view that owns
    // it is being destroyed, when the view can no longer be asked for it.
    if (watched == viewport_ && event->type() == QEvent::Resize)
        markVisibleHits();
    if (watched == edit && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            key->modifiers() & Qt::ShiftModifier ? findPrevious() : findNext();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            closeBar();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
