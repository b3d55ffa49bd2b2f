#include "tools/pictures/component_drawings.h"

namespace tessaro::pictures {

bool DrawComponent(QPainter& painter, Motif motif) {
    switch (motif) {
        case Motif::HermeticCompressor:
            DrawHermeticCompressor(painter);
            return true;
        case Motif::SemiHermeticCompressor:
            DrawSemiHermeticCompressor(painter);
            return true;
        case Motif::ExpansionValve:
            DrawExpansionValve(painter);
            return true;
        case Motif::SolenoidValve:
            DrawSolenoidValve(painter);
            return true;
        case Motif::ShutOffValve:
            DrawShutOffValve(painter);
            return true;
        case Motif::PressureSwitch:
            DrawPressureSwitch(painter);
            return true;
        case Motif::Receiver:
            DrawReceiver(painter);
            return true;
        case Motif::OilSeparator:
            DrawOilSeparator(painter);
            return true;
        case Motif::FilterDrier:
            DrawFilterDrier(painter);
            return true;
        case Motif::SightGlass:
            DrawSightGlass(painter);
            return true;
        case Motif::Evaporator:
            DrawEvaporator(painter);
            return true;
        case Motif::AirCooledCondenser:
            DrawAirCooledCondenser(painter);
            return true;
        case Motif::WaterCooledCondenser:
            DrawWaterCooledCondenser(painter);
            return true;
        case Motif::PlateHeatExchanger:
            DrawPlateHeatExchanger(painter);
            return true;
        default:
            return false;
    }
}

}  // namespace tessaro::pictures
