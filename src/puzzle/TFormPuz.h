#pragma once
// The picture puzzle: 24 pieces of a photo-set picture to put back in order.
#include <QWidget>

struct AppContext;

class TFormPuz : public QWidget {
    Q_OBJECT
public:
    TFormPuz(AppContext& ctx, QWidget* parent);

private:
    AppContext& ctx;
};
