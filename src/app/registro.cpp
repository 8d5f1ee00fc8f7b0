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

// Every window class of the program, by the name the menus use. A menu entry
// whose class is not listed here opens nothing.
void RegistrarTodasLasVentanas()
{
    RegistrarVentana("menuprin", [] { return new menuprin; });
    RegistrarVentana("yntrape", [] { return new yntrape; });
    RegistrarVentana("ynpara", [] { return new ynpara; });
    RegistrarVentana("yncir", [] { return new yncir; });
    RegistrarVentana("ynmaxef", [] { return new ynmaxef; });
    RegistrarVentana("ynmininf", [] { return new ynmininf; });
    RegistrarVentana("frmCalculadora", [] { return new frmCalculadora; });
    RegistrarVentana("Acerca", [] { return new Acerca; });
    RegistrarVentana("yctrape", [] { return new yctrape; });
    RegistrarVentana("ycpara", [] { return new ycpara; });
    RegistrarVentana("yccir", [] { return new yccir; });
    RegistrarVentana("rhrectan", [] { return new rhrectan; });
    RegistrarVentana("rhtrape", [] { return new rhtrape; });
    RegistrarVentana("rhpara", [] { return new rhpara; });
    RegistrarVentana("rhcir", [] { return new rhcir; });
    RegistrarVentana("crinte", [] { return new crinte; });
    RegistrarVentana("crdirtra", [] { return new crdirtra; });
    RegistrarVentana("crtrafij", [] { return new crtrafij; });
    RegistrarVentana("crbak", [] { return new crbak; });
    RegistrarVentana("crbresse", [] { return new crbresse; });
    RegistrarVentana("TranAlSa", [] { return new TranAlSa; });
    RegistrarVentana("TranAlEn", [] { return new TranAlEn; });
    RegistrarVentana("frmQNaturalRugCompuesta", [] { return new frmQNaturalRugCompuesta; });
    RegistrarVentana("frmQNaturalNConstante", [] { return new frmQNaturalNConstante; });
    RegistrarVentana("frmCompuerta", [] { return new frmCompuerta; });
    RegistrarVentana("frmVertederos", [] { return new frmVertederos; });
    RegistrarVentana("frmVertederoLateral", [] { return new frmVertederoLateral; });
    RegistrarVentana("qtrape", [] { return new qtrape; });
    RegistrarVentana("qpara", [] { return new qpara; });
    RegistrarVentana("qcir", [] { return new qcir; });
    RegistrarVentana("frmVariosTrape", [] { return new frmVariosTrape; });
    RegistrarVentana("frmRelayd", [] { return new frmRelayd; });
    RegistrarVentana("frmOtrosCir", [] { return new frmOtrosCir; });
    RegistrarVentana("frmPerdidasCanales", [] { return new frmPerdidasCanales; });
}

} // namespace quelmora
