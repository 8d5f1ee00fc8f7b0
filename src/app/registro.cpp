#include "app/registro.h"

#include "app/Acerca.h"
#include "app/menuprin.h"
#include "calculator/frmcalculadora.h"
#include "critical_flow/rhcir.h"
#include "critical_flow/rhpara.h"
#include "critical_flow/rhrectan.h"
#include "critical_flow/rhtrape.h"
#include "critical_flow/yccir.h"
#include "critical_flow/ycpara.h"
#include "critical_flow/yctrape.h"
#include "frame/ventanas.h"
#include "measurement/frmCompuerta.h"
#include "measurement/frmQNaturalNConstante.h"
#include "measurement/frmQNaturalRugCompuesta.h"
#include "measurement/frmVertederos.h"
#include "section_tools/frmOtrosCir.h"
#include "section_tools/frmRelayd.h"
#include "section_tools/frmVariosTrape.h"
#include "structures/TranAlEn.h"
#include "structures/TranAlSa.h"
#include "structures/frmPerdidasCanales.h"
#include "structures/frmVertederoLateral.h"
#include "uniform_flow/qcir.h"
#include "uniform_flow/qpara.h"
#include "uniform_flow/qtrape.h"
#include "uniform_flow/yncir.h"
#include "uniform_flow/ynmaxef.h"
#include "uniform_flow/ynmininf.h"
#include "uniform_flow/ynpara.h"
#include "uniform_flow/yntrape.h"
#include "varied_flow/crbak.h"
#include "varied_flow/crbresse.h"
#include "varied_flow/crdirtra.h"
#include "varied_flow/crinte.h"
#include "varied_flow/crtrafij.h"

namespace quelmora {

namespace {

constexpr FilaMenu Menu(const char* control, const char* titulo)
{
    return { control, titulo, nullptr, true };
}
constexpr FilaMenu Raya(const char* control) { return { control, "-", nullptr, false }; }
constexpr FilaMenu Ventana(const DescripcionVentana& ventana)
{
    return { nullptr, nullptr, &ventana, false };
}
constexpr FilaMenu Accion(const char* control, const char* titulo)
{
    return { control, titulo, nullptr, false };
}

// The menu bar as the form has it, menu by menu; a window's entry is its
// description's. A window whose entry is not here is shown by no menu.
constexpr FilaMenu kMenus[] = {
    Menu("ynormal", "Tirante-&Normal"),
    Ventana(yntrape::kDescripcion),
    Ventana(ynpara::kDescripcion),
    Ventana(yncir::kDescripcion),
    Raya("raya"),
    Ventana(ynmaxef::kDescripcion),
    Raya("raya2"),
    Ventana(ynmininf::kDescripcion),
    Raya("rayayn3"),
    Accion("salir", "&Salir"),
    Menu("ycritico", "&Tirante-Crítico"),
    Ventana(yctrape::kDescripcion),
    Ventana(ycpara::kDescripcion),
    Ventana(yccir::kDescripcion),
    Menu("resalto", "&Resalto-Hidráulico"),
    Ventana(rhrectan::kDescripcion),
    Ventana(rhtrape::kDescripcion),
    Ventana(rhpara::kDescripcion),
    Ventana(rhcir::kDescripcion),
    Menu("remanso", "R&emanso"),
    Ventana(crinte::kDescripcion),
    Ventana(crbak::kDescripcion),
    Ventana(crbresse::kDescripcion),
    Ventana(crdirtra::kDescripcion),
    Ventana(crtrafij::kDescripcion),
    Menu("caudales", "&Caudales"),
    Ventana(qtrape::kDescripcion),
    Ventana(qpara::kDescripcion),
    Ventana(qcir::kDescripcion),
    Menu("otros", "&Otros"),
    Ventana(frmVariosTrape::kDescripcion),
    Raya("Otroraya"),
    Ventana(frmRelayd::kDescripcion),
    Ventana(frmOtrosCir::kDescripcion),
    Menu("mnuMedicion", "&Medición"),
    Ventana(frmQNaturalNConstante::kDescripcion),
    Ventana(frmQNaturalRugCompuesta::kDescripcion),
    Raya("mnumedraya"),
    Ventana(frmCompuerta::kDescripcion),
    Ventana(frmVertederos::kDescripcion),
    Menu("mnuestructuras", "E&structuras"),
    Ventana(TranAlEn::kDescripcion),
    Ventana(TranAlSa::kDescripcion),
    Ventana(frmVertederoLateral::kDescripcion),
    Raya("mnuestruraya"),
    Ventana(frmPerdidasCanales::kDescripcion),
    Menu("ayuda", "&Ayuda"),
    Accion("elementos", "&Ayuda QUELMORA"),
    Raya("raay2"),
    Ventana(Acerca::kDescripcion),
};

} // namespace

std::span<const FilaMenu> FilasMenuPrincipal() { return kMenus; }

void RegistrarTodasLasVentanas()
{
    RegistrarVentana(menuprin::kDescripcion);
    for (const FilaMenu& fila : kMenus)
        if (fila.ventana)
            RegistrarVentana(*fila.ventana);
    RegistrarVentana(frmCalculadora::kDescripcion);
}

} // namespace quelmora
