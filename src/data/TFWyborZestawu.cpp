#include "data/TFWyborZestawu.h"

#include <QMouseEvent>
#include <QSignalBlocker>

#include "core/AppContext.h"
#include "core/Config.h"
#include "data/UPaker.h"
#include "widgets/CentreOnScreen.h"

TFWyborZestawu::TFWyborZestawu(AppContext& ctx, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ctx(ctx) {
    setObjectName("TFWyborZestawu");
    setFixedSize(226, 86);
    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(0, 0, 226, 86);
    Panel1->setAutoFillBackground(true);
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, QColor(0x1B, 0x5C, 0x81));
    pal.setColor(QPalette::WindowText, Qt::white);
    Panel1->setPalette(pal);
    Panel1->setAttribute(Qt::WA_TransparentForMouseEvents);

    Label1 = new QLabel("Wybierz zestaw lub kliknij w to okno", this);
    Label1->setObjectName("Label1");
    Label1->setPalette(pal);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->move(8, 16);
    Label1->adjustSize();

    CWyborZestawu = new QComboBox(this);
    CWyborZestawu->setObjectName("CWyborZestawu");
    CWyborZestawu->setGeometry(16, 40, 193, 21);
    // Every pick closes the chooser, also a pick of the set already chosen.
    connect(CWyborZestawu, &QComboBox::activated, this, &TFWyborZestawu::CWyborZestawuChange);
}

void TFWyborZestawu::Fill(int photoSetCount) {
    const QSignalBlocker block(CWyborZestawu);
    CWyborZestawu->clear();
    if (photoSetCount <= 1) return;
    for (int k = 1; k <= photoSetCount; ++k)
        CWyborZestawu->addItem(QStringLiteral("Zestaw nr %1").arg(k));
}

void TFWyborZestawu::Choose() {
    {
        const QSignalBlocker block(CWyborZestawu);
        CWyborZestawu->setCurrentIndex(ctx.config.PhotoSetIndex);
    }
    CentreOnScreen(this);
    exec();
}

void TFWyborZestawu::CWyborZestawuChange(int index) {
    if (index < 0) return;
    accept();
    if (index == ctx.config.PhotoSetIndex) return;  // no change, nothing to write
    ctx.config.PhotoSetIndex = index;
    ctx.data.ChangePhotoSet();
}

void TFWyborZestawu::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) reject();
}
