#pragma once

#include <QList>
#include <QRect>
#include <QWidget>

class QVBoxLayout;

// The common base of every window. Controls live in a client-area child at their designed
// positions, so that a skinned frame can surround it without moving them. Every form registers
// itself in one program-wide list in creation order; skin changes are delivered along it.
class Form : public QWidget {
    Q_OBJECT

public:
    // designedOuter: the window's designed screen position and outer size (frame included).
    Form(const QString& instanceName, const QString& caption, const QRect& designedOuter);
    ~Form() override;

    QWidget* client() const { return client_; }

    // Builds the window's controls, once. Start-up creates every window in its order but builds
    // the controls of the windows after the start window only once that is on screen; a window
    // always has its controls before it is shown.
    void ensureControls();
    // The same for every window, in creation order.
    static void ensureAllControls();

    static const QList<Form*>& all();
    // The window the program comes back to once the student has closed every other one: on a
    // desktop without a task list a program with no window can be ended only by killing it.
    static void setStartWindow(Form* window);
    static QSize clientSizeForOuter(const QSize& outer);

    // Every window that is shown, or shown again while visible, comes to the front within the
    // work area, as a shown window does on the desktops the program comes from.
    void setVisible(bool visible) override;

protected:
    // Closing a window only hides it, and brings back the start window when no other is left;
    // the start window overrides this to end the program.
    void closeEvent(QCloseEvent* event) override;
    // Puts the shown window on the screen; a window that does not fit is moved and shrunk.
    virtual void placeOnScreen();
    // Makes the window's controls; a window that builds them in its constructor has none here.
    virtual void createControls() {}

private:
    QWidget* client_;
    bool controlsCreated_ = false;
};
