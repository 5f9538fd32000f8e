#pragma once
// Country recognition: a covered photograph uncovered tile by tile.
#include <QWidget>

struct AppContext;

class TFormGdzie : public QWidget {
    Q_OBJECT
public:
    TFormGdzie(AppContext& ctx, QWidget* parent);

private:
    AppContext& ctx;
};
