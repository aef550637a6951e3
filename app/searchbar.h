#pragma once

#include <QTextDocument>
#include <QWidget>

class HtmlView;
class TsButton;
class TsEdit;
class TsLabel;

// The bar over the HTML view that finds text in the shown document (Ctrl+F): every hit is marked,
// Enter and F3 go to the next one, Shift with them to the one before, Esc closes the bar. Case and
// "ё"/"е" do not count. The hits are marked again when another document is shown. Only the hits in
// and near the view are marked, again as the view scrolls, so that a long lecture with tens of
// thousands of them answers every key at once.
class SearchBar : public QWidget {
    Q_OBJECT

public:
    SearchBar(HtmlView* view, QWidget* parent);

    // Shows the bar with the keyboard in its box; a given text replaces the box's and its first
    // hit is shown.
    void open(const QString& text = {});
    void findNext();
    void findPrevious();
    int hitCount() const { return int(hits_.size()); }

    TsEdit* edit;
    TsButton* previousButton;
    TsButton* nextButton;
    TsButton* closeButton;
    TsLabel* countLabel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void find(QTextDocument::FindFlags flags);
    // Finds every hit and counts them; marks those in view.
    void markHits();
    void markVisibleHits();
    void closeBar();

    // A hit in the document, by its positions.
    struct Hit {
        int start;
        int length;
    };

    HtmlView* view_;
    const QWidget* viewport_ = nullptr;
    QList<Hit> hits_;
};
