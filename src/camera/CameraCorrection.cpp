#include "camera/CameraCorrection.h"

namespace marrowby {

CorrectedValue correctValue(Correction correction, int value, const CorrectionInputs &in)
{
    switch (correction) {
    case Correction::VideoLength:
        return {(value > 60 || value == 0) ? 10 : value};
    case Correction::Hour:
        return {value > 23 ? 0 : value};
    case Correction::MinuteSecond:
        return {value > 59 ? 0 : value};
    case Correction::Interval:
        if (in.intervalUnit == 1 && (value == 0 || value > 60))
            return {1};
        if (in.intervalUnit == 0 && value > 60)
            return {1};
        return {value};
    case Correction::Degrees: {
        const int degrees = value > in.bound ? in.bound : (value < 0 ? 0 : value);
        return {degrees, degrees == in.bound};
    }
    case Correction::ArcMinuteSecond:
        if (in.degrees == in.bound)
            return {value > 0 ? 0 : value};
        return {value > 59 ? 59 : value};
    case Correction::None:
        break;
    }
    return {value};
}

} // namespace marrowby
