// SPDX-FileCopyrightText: 2026 Zespół Terravika
// SPDX-License-Identifier: GPL-3.0-or-later

#include "quiz/Grade.h"

Grade GradeFor(int correct) {
    const QString keepWorking = "Jest fatalnie. Nie wpadaj w rozpacz, tylko pracuj.";
    switch (correct) {
        case 0:
            return {"Brak poprawnych odpowiedzi - niedostateczny", "To jest nieprawdopodobne."};
        case 1:
            return {"Jedna odpowiedź poprawna - niedostateczny", "Jest fatalnie. Brak słów."};
        case 2:
        case 3:
        case 4:
            return {QString::number(correct) + " odpowiedzi poprawne - niedostateczny",
                    keepWorking};
        case 5:
            return {"5 odpowiedzi poprawnych - niedostateczny", keepWorking};
        case 6:
            return {"6 odpowiedzi poprawnych - dopuszczający",
                    "Jest źle, ale nie beznadziejnie. Po prostu ćwicz!"};
        case 7:
            return {"7 odpowiedzi poprawnych - dostateczny", "Sam widzisz - nie jest za dobrze."};
        case 8:
            return {"8 odpowiedzi poprawnych - dobry",
                    "Jest tak sobie. Musisz jeszcze trochę popracować."};
        case 9:
            return {"9 odpowiedzi poprawnych - bardzo dobry",
                    "Jest dobrze, ale stać Cię na więcej."};
        default:
            return {"Wszystkie odpowiedzi poprawne - celujący",
                    "Jesteś fantastyczny, ale nie wpadaj w samouwielbienie."};
    }
}
