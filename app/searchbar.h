#pragma once

#include <QTextDocument>
#include <QWidget>

class HtmlView;
class TsButton;
class TsEdit;
class TsLabel;

// The bar over the HTML view that finds text in the shown document (Ctrl+F): every hit is marked,
// Enter and F3 go to the next one, Shift with them to the one before, Esc closes the bar. Case and
// "ё"/"е" do not count. The hits are marked again when another document is shown.
class SearchBar : public QWidget {
    Q_OBJECT

public:
    SearchBar(HtmlView* view, QWidget* parent);

    // Shows the bar with the keyboard in its box; a given text replaces the box's and its first
    // hit is shown.
    void open(const QString& text = {});
    void findNext();
    void findPrevious();
    int hitCount() const { return hits_; }

    TsEdit* edit;
    TsButton* previousButton;
    TsButton* nextButton;
    TsButton* closeButton;
    TsLabel* countLabel;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void find(QTextDocument::FindFlags flags);
    void markHits();
    void closeBar();

    HtmlView* view_;
    int hits_ = 0;
};
