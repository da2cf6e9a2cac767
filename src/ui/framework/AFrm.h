#pragma once
#include <QDialog>

// The base of every window: F1 opens the window's help topic, and the
// window appears centred on the mouse pointer, kept on the screen.
class TaFrm : public QDialog {
    Q_OBJECT
public:
    // Where the window goes when it is shown.
    enum class TPlacement { AtPointer, CentreOnOwner, CentreOnMain };

    explicit TaFrm(QWidget *parent = nullptr);

    // Opens help/<topic>.htm of the resources; an empty topic is the window's
    // object name without its last three characters ("AssetEditorFrm" gives "AssetEditor").
    virtual void ShowHelp(const QString &topic = QString());
    // The help page that ShowHelp(topic) opens.
    QString HelpPage(const QString &topic) const;
    // The page of a named topic (the contents page when it has none).
    static QString TopicPage(const QString &topic);

    void SetPlacement(TPlacement placement) { m_placement = placement; }
    // Top-left corner that centres a window of `size` on `pointer` within `screen`.
    static QPoint PointerPlacement(const QPoint &pointer, const QSize &size, const QRect &screen);
    // The resize edges of a borderless window at client point (x, y); none inside.
    static Qt::Edges BorderlessEdges(int x, int y, int w, int h);

protected:
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void place();
    TPlacement m_placement = TPlacement::AtPointer;
    bool m_shownBefore = false;
};
