#pragma once
// The About window.
#include <QWidget>

struct AppContext;

class TFAutor : public QWidget {
    Q_OBJECT
public:
    TFAutor(AppContext& ctx, QWidget* parent);

private:
    AppContext& ctx;
};
