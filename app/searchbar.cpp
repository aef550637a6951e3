#include "app/searchbar.h"

#include "app/searchwords.h"
#include "platform/htmlview.h"
#include "skin/controls/tsbutton.h"
#include "skin/controls/tsedit.h"
#include "skin/controls/tslabel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QTextBlock>

namespace {

// Marking more would only slow a huge document down; the count still says how many there are.
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
    connect(edit, &QLineEdit::textChanged, this, [this] {
        markHits();
        // While the reader types on, the hit shown stays as long as it still matches.
        QTextCursor from = view_->textCursor();
        from.setPosition(from.selectionStart());
        view_->setTextCursor(from);
        find({});
    });
    connect(nextButton, &QPushButton::clicked, this, &SearchBar::findNext);
    connect(previousButton, &QPushButton::clicked, this, &SearchBar::findPrevious);
    connect(closeButton, &QPushButton::clicked, this, &SearchBar::closeBar);
    connect(view_, &HtmlView::loadFinished, this, [this] {
        if (isVisible())
            markHits();
    });
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
    QList<QTextEdit::ExtraSelection> marks;
    hits_ = 0;
    if (!edit->text().isEmpty()) {
        const QRegularExpression pattern = searchwords::phrasePattern(edit->text());
        QTextCharFormat marked;
        marked.setBackground(QColor(255, 230, 90));
        for (QTextCursor hit = view_->document()->find(pattern, 0); !hit.isNull();
             hit = view_->document()->find(pattern, hit)) {
            if (hit.selectionStart() == hit.selectionEnd())
                break;
            if (hits_++ < mostMarkedHits)
                marks.append({hit, marked});
        }
    }
    view_->setExtraSelections(marks);
    if (edit->text().isEmpty())
        countLabel->clear();
    else
        countLabel->setText(hits_ ? QStringLiteral("Совпадений: %1").arg(hits_) : QStringLiteral("Не найдено"));
}

void SearchBar::closeBar()
{
    view_->setExtraSelections({});
    hide();
    view_->setFocus();
}

bool SearchBar::eventFilter(QObject* watched, QEvent* event)
{
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
