// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A source of chance that returns the values a test lines up, then repeats the last one.
#include <deque>

#include "cards/Caso.h"

namespace mrvelto::test {

class CasoFinto : public FonteCasuale {
public:
    explicit CasoFinto(std::deque<double> valori, OraMinSec ora = {}) : valori_(std::move(valori)), ora_(ora) {}
    double Uniforme() override {
        if (valori_.size() > 1) {
            double v = valori_.front();
            valori_.pop_front();
            return v;
        }
        return valori_.empty() ? 0.0 : valori_.front();
    }
    OraMinSec Ora() override { return ora_; }
    void ImpostaOra(OraMinSec ora) { ora_ = ora; }

private:
    std::deque<double> valori_;
    OraMinSec ora_;
};

}  // namespace mrvelto::test
