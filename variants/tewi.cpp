#include "variants/tewi.h"

#include <algorithm>

namespace tessaro {

Tewi ComputeTewi(double gwp, const TewiInputs& inputs, double annualEnergy, double emissionFactor) {
    Tewi tewi;
    tewi.direct = gwp * inputs.LeakageKgPerYear() * inputs.lifetime +
                  gwp * inputs.charge * (1 - inputs.recovery);
    tewi.indirect = inputs.lifetime * annualEnergy * emissionFactor;
    return tewi;
}

std::optional<double> PaybackYears(double investment, double yearlySaving) {
    if (!(yearlySaving > 0))
        return std::nullopt;
    return std::max(investment, 0.0) / yearlySaving;
}

}  // namespace tessaro
