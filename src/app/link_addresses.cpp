#include "app/link_addresses.h"

#include <string>

#include "platform/errors.h"

namespace cq {

namespace {

struct Address {
  std::string_view key;
  std::string_view address;
};

constexpr Address kAddresses[] = {
    {"program.calculator", "calc.exe"},
    {"program.text-editor", "notepad.exe"},
    {"program.licence", "EULA.pdf"},

    {"maker.home", "https://www.quillonex.example"},
    {"maker.help", "https://www.quillonex.example/cirquet/help"},
    {"maker.feedback", "https://www.quillonex.example/cirquet/feedback"},
    {"maker.contact", "https://www.quillonex.example/contact"},
    {"maker.about", "https://www.quillonex.example/about"},
    {"maker.quote.pcb-design", "https://www.quillonex.example/quote/pcb-design"},
    {"maker.quote.pcb-manufacturing", "https://www.quillonex.example/quote/pcb-manufacturing"},
    {"maker.quote.pcb-assembly", "https://www.quillonex.example/quote/pcb-assembly"},
    {"maker.quote.product-development", "https://www.quillonex.example/quote/product-development"},
    {"maker.service.pcb-design", "https://www.quillonex.example/services/pcb-design"},
    {"maker.service.electronic-engineering", "https://www.quillonex.example/services/electronic-engineering"},
    {"maker.service.software-development", "https://www.quillonex.example/services/software-development"},
    {"maker.service.consulting", "https://www.quillonex.example/services/consulting"},
    {"maker.service.rf-engineering", "https://www.quillonex.example/services/rf-engineering"},
    {"maker.service.pcb-assembly", "https://www.quillonex.example/services/pcb-assembly"},
    {"maker.service.pcb-manufacturing", "https://www.quillonex.example/services/pcb-manufacturing"},
    {"maker.sales-mail", "mailto:sales@quillonex.example"},
    {"maker.donation", "https://payments.example/donate?to=quillonex-cirquet"},
    {"maker.facebook", "https://facebook.example/QuillonexPCBDesign"},
    {"maker.instagram", "https://instagram.example/quillonexpcbdesign"},
    {"maker.linkedin", "https://linkedin.example/company/quillonex-pcb-design"},
    {"maker.twitter", "https://twitter.example/QuillonexPCB"},
    {"maker.youtube", "https://youtube.example/@QuillonexPCBDesign"},
    {"developer.profile", "https://linkedin.example/in/marek-tallis-ondrey"},

    {"article.speed-of-light", "https://en.wikipedia.org/wiki/Speed_of_light"},
    {"article.si-prefixes", "https://en.wikipedia.org/wiki/Metric_prefix"},
    {"article.ohms-law", "https://en.wikipedia.org/wiki/Ohm%27s_law"},
    {"article.wavelength", "https://en.wikipedia.org/wiki/Wavelength"},
    {"article.effective-dielectric-constant", "https://en.wikipedia.org/wiki/Microstrip"},
    {"article.crystal-load-capacitors", "https://en.wikipedia.org/wiki/Crystal_oscillator"},
    {"article.fusing-current", "https://www.pcb-trade-magazine.example/articles/fusing-current-when-traces-melt"},
    {"article.via-stubs", "https://www.quillonex.example/references/via-stubs"},
    {"article.via-modelling", "https://www.quillonex.example/references/differential-vias"},
    {"chart.capacitance-units", "https://en.wikipedia.org/wiki/Farad"},
    {"tool.parallel-resistors", "https://www.circuit-tools.example/parallel-resistor-calculator"},
    {"note.dbm-table", "https://www.rf-components.example/appnotes/dbm-power-table.pdf"},
    {"paper.planar-spiral-inductances", "https://web.stanford.edu/~boyd/papers/pdf/inductance_expressions.pdf"},
    {"paper.coupled-lines-crosstalk", "https://www.si-papers.example/coupled-transmission-lines-and-crosstalk.pdf"},
    {"org.ipc", "https://www.ipc.org"},
    {"org.ieee", "https://www.ieee.org"},

    {"book.printed-circuits-handbook", "https://isbnsearch.org/isbn/9780071833950"},
    {"book.hitchhikers-guide-to-pcb-design", "https://isbnsearch.org/isbn/9780368246968"},
    {"eda.circuit-lab", "https://www.circuitlab.com"},
    {"eda.mathcad", "https://www.mathcad.com"},
    {"eda.multisim", "https://www.multisim.com"},
    {"eda.sonnet", "https://www.sonnetsoftware.com"},
    {"eda.hfss", "https://www.ansys.com/products/electronics/ansys-hfss"},
    {"eda.rf-synthesis", "https://www.keysight.com"},
    {"eda.sigrity", "https://www.cadence.com"},
    {"eda.hyperlynx", "https://eda.sw.siemens.com/en-US/pcb/hyperlynx/"},
    {"eda.webench", "https://webench.ti.com"},
    {"eda.pspice-for-ti", "https://www.ti.com/tool/PSPICE-FOR-TI"},
    {"eda.scheme-it", "https://www.digikey.com/schemeit"},
    {"eda.snap-eda", "https://www.snapeda.com"},
    {"eda.3d-content-central", "https://www.3dcontentcentral.com"},
    {"eda.fedevel-academy", "https://academy.fedevel.com"},
    {"eda.si-design-notes", "https://orsolya-venn.example/si-design-notes"},
    {"eda.eevblog", "https://www.eevblog.com"},
};

}  // namespace

std::string_view LinkAddress(std::string_view key) {
  for (const Address& a : kAddresses)
    if (a.key == key) return a.address;
  throw DescriptionError("no link address for " + std::string(key));
}

}  // namespace cq
