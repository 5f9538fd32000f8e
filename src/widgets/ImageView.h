#pragma once
// A picture shown unscaled from the top-left corner, drawn from a QImage the
// owner may paint on (the zoom effect, the puzzle board, the maps).
#include <QImage>
#include <QWidget>

class ImageView : public QWidget {
    Q_OBJECT
public:
    explicit ImageView(QWidget* parent = nullptr);
    QImage image;
    void setImage(const QImage& picture);

signals:
    // Every press of a mouse button, the second press of a double-click too.
    void pressed(QPoint pos, Qt::MouseButton button);
    // A left-button click: released over the view, once per double-click.
    void clicked(QPoint pos);
    void moved(QPoint pos);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool secondPress = false;  // the button went down as part of a double-click
};
