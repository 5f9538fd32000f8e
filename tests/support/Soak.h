#pragma once
// Drives the whole program with random input: clicks and moves anywhere on
// the main window and its modules, keys to the focused control, menu
// launches, and the two dialogs opened and closed. Deterministic per seed.
#include <QPoint>
#include <random>

class TForm1;
class QWidget;

class SoakDriver {
public:
    SoakDriver(TForm1& form, unsigned seed) : form(form), rng(seed) {}
    void Run(int events);
    // Resident memory of this process in KiB.
    static long ResidentKiB();

private:
    void Step();
    void Click(QPoint panelPoint);
    void Move(QPoint panelPoint);
    void Key();
    void Dialog();
    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

    TForm1& form;
    std::mt19937 rng;
};
