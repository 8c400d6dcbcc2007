#pragma once

// The platform layer: what the diagram and the builder expect of a GUI component
// framework, built on Qt.

#include "BoxWindow.h"
#include "Color.h"
#include "DialogService.h"
#include "DrawGrid.h"
#include "ErrorBoundary.h"
#include "Exceptions.h"
#include "Font.h"
#include "ImageList.h"
#include "OwnerDrawList.h"
#include "ScrollBox.h"
#include "Set.h"
#include "StringList.h"
#include "SysUtils.h"
#include "TreeView.h"
#include "WindowMetrics.h"
