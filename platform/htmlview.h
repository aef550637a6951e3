#pragma once

#include <QTextBrowser>

// The HTML view: shows a local HTML file given its full path. The path may be written the way the
// course stores paths ("...\Teoria\a.htm"). The file is read after the caller has returned, its
// declared charset is honoured, and relative pictures, style sheets and links are taken from the
// file's own folder. A file that cannot be shown gives a plain notice in the view, never a box.
class HtmlView : public QTextBrowser {
    Q_OBJECT

public:
    explicit HtmlView(QWidget* parent = nullptr);

    void navigate(const QString& path);
    // The path last handed to navigate, exactly as it was given.
    const QString& locationPath() const { return location_; }
    bool loadPending() const { return loadPending_; }

    // The browser's own visibility flag. It is kept and reported but hides nothing: the view is
    // seen whenever the panel holding it is shown.
    void setBrowserVisible(bool visible) { browserVisible_ = visible; }
    bool browserVisible() const { return browserVisible_; }

    // The text of an HTML document by its byte-order mark or its declared charset; without
    // either, UTF-8 when the bytes are valid UTF-8, otherwise windows-1251.
    static QString decodeHtml(const QByteArray& bytes);
    // The charset named in the document's meta tags, empty when none is declared.
    static QByteArray declaredCharset(const QByteArray& bytes);

    // The text of the document in a file; empty, with the reason in whyNot, when it is a folder,
    // cannot be read, is too large or is not text.
    static QString readDocument(const QString& path, QString* whyNot);

    static constexpr qint64 largestDocument = 64 * 1024 * 1024;

signals:
    // The shown document is about to give way to the next one.
    void documentAboutToChange();
    // The document (or the notice in its place) is on view.
    void loadFinished(const QString& path);

protected:
    QVariant loadResource(int type, const QUrl& name) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void loadNow();
    void showNotice(const QString& path, const QString& reason);
    void followLink(const QUrl& link);
    // The bytes of a picture or file the document names, with the local file's path when it is one.
    QByteArray resourceBytes(const QUrl& name, QString* path) const;
    QImage formulaImage(const QByteArray& mathml, const QFont& font) const;
    // How much larger than normal the text is shown (the reader's text size).
    qreal textScale() const;
    // Draws the document's formulas and SVG pictures again at the size of the text around them.
    void drawScaledPictures();

    QString location_;
    QString fragment_;
    bool loadPending_ = false;
    bool browserVisible_ = true;
};
