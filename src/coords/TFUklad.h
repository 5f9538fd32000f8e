#pragma once
// The coordinates exercise: read a point of a grid square as longitude and latitude.
#include <QWidget>

struct AppContext;

class TFUklad : public QWidget {
    Q_OBJECT
public:
    TFUklad(AppContext& ctx, QWidget* parent);

private:
    AppContext& ctx;
};
