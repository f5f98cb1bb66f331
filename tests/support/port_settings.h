#pragma once
#include "rig/rig_context.h"

// The transceivers' port settings where a test keeps them, as the main window keeps its
// own: a transceiver context refers to them, so a test changes a port here.
struct PortSettings {
    torv::CatPortSetting ft847, ic910, ts2000, ft736;
    torv::CatPorts refs() const { return {ft847, ic910, ts2000, ft736}; }
};
