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
    void pressed(QPoint pos, Qt::MouseButton button);
    void released(QPoint pos, Qt::MouseButton button);
    void moved(QPoint pos);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};
