#pragma once
// The shared uniform-flow hydraulics in one include: section elements, flow
// indicators, Manning's equation and the finite-difference Newton solver.

#include "hydraulics/finitos.h"
#include "hydraulics/indicadores.h"
#include "hydraulics/manning.h"
#include "hydraulics/newton.h"
#include "hydraulics/secciones.h"
