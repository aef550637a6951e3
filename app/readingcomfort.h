#pragma once

#include <QFont>
#include <QObject>
#include <QString>

class HtmlView;
class QPrinter;
class QTreeWidget;
class QWidget;

// What makes long reading in the main window comfortable, remembered for the user across runs:
// the text size (Ctrl+Plus, Ctrl+Minus, Ctrl+0 and Ctrl+wheel), the place reached in every
// document, shown again when the document is opened again, the topic last opened, shown in bold
// when its list is filled, and printing the shown document (Ctrl+P), to paper or to PDF.
class ReadingComfort : public QObject {
    Q_OBJECT

public:
    static constexpr int smallestZoom = -4;
    static constexpr int largestZoom = 10;

    ReadingComfort(QWidget* window, HtmlView* view, QTreeWidget* topics);

    // Steps of a tenth of the normal text size, from smallestZoom to largestZoom.
    int zoom() const { return zoom_; }
    void setZoom(int steps);

    // Writes the place reached in the shown document, which the next opening returns to.
    void rememberPlace();

    // The topic a student opened in the list of a browsing mode ("лекции", "презентации").
    void topicOpened(const QString& mode, const QString& topic);
    // Shows in bold the entry of the mode's topic last opened (the first entry of that text).
    void markLastTopic(const QString& mode);

    // Asks for a printer (a PDF file is one of them) and prints the shown document.
    void print();
    void printTo(QPrinter& printer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void documentShown(const QString& path);
    void returnToPlace();
    QString placeKey(const QString& path) const;
    void applyZoom();

    QWidget* window_;
    HtmlView* view_;
    QWidget* viewport_;
    QTreeWidget* topics_;
    QFont normalFont_;
    int zoom_ = 0;
    bool zoomRead_ = false;
    QString shown_;
    // The share of the document's length to return to while it is being laid out; 0 when none.
    double returningTo_ = 0;
    bool returning_ = false;
};
