#include "app/links.h"

namespace cq {

namespace {

using enum LinkKind;

constexpr Link kLinks[] = {
    // Main window, Tools menu.
    {"TForm1.Calculator1Click", HelperProgram, "program.calculator"},
    {"TForm1.ASCIIEditor1Click", HelperProgram, "program.text-editor"},
    // The hidden "&EDA Resources" menu.
    {"TForm1.Resources2Click", Window, "Form9"},
    // Help menu.
    {"TForm1.HelpTopics1Click", WebPage, "maker.help"},
    {"TForm1.References1Click", WindowOverMain, "Form5"},
    {"TForm1.About1Click", WindowOverMain, "Form2"},
    {"TForm1.EULA1Click", ProgramDocument, "program.licence"},
    // The maker's contact menu.
    {"TForm1.SendFeedbackToQuillonexPCBDesignInc1Click", WebPage, "maker.feedback"},
    {"TForm1.ContactQuillonexPCBDesignInc1Click", WebPage, "maker.contact"},
    {"TForm1.RequestaDesignQuote1Click", WebPage, "maker.quote.pcb-design"},
    {"TForm1.RequestaProductDevelopmentQuote2Click", WebPage, "maker.quote.pcb-manufacturing"},
    {"TForm1.RequestaPCBAssemblyQuote1Click", WebPage, "maker.quote.pcb-assembly"},
    {"TForm1.RequestaProductDevelopmentQuote1Click", WebPage, "maker.quote.product-development"},
    {"TForm1.PCBDesignServices1Click", WebPage, "maker.service.pcb-design"},
    {"TForm1.ElectronicEngineeringServices1Click", WebPage, "maker.service.electronic-engineering"},
    {"TForm1.SoftwareDevelopmentServices1Click", WebPage, "maker.service.software-development"},
    {"TForm1.ConsultingServices1Click", WebPage, "maker.service.consulting"},
    {"TForm1.RFEngineeringServices1Click", WebPage, "maker.service.rf-engineering"},
    {"TForm1.PCBAssemblyServices1Click", WebPage, "maker.service.pcb-assembly"},
    {"TForm1.PCBManufacturingServices1Click", WebPage, "maker.service.pcb-manufacturing"},
    {"TForm1.FollowQuillonexPCBDesignonFacebook1Click", WebPage, "maker.facebook"},
    {"TForm1.FollowQuillonexPCBDesignonLinkedIn3Click", WebPage, "maker.twitter"},
    {"TForm1.FollowQuillonexPCBDesignonLinkedIn1Click", WebPage, "maker.linkedin"},
    {"TForm1.FollowQuillonexPCBDesignonLinkedIn2Click", WebPage, "maker.youtube"},
    {"TForm1.About2Click", WebPage, "maker.about"},
    // Main window, the logo and the social-media row.
    {"TForm1.Image6Click", WebPage, "maker.home"},
    {"TForm1.Image43Click", WebPage, "maker.facebook"},
    {"TForm1.Image77Click", WebPage, "maker.instagram"},
    {"TForm1.Image44Click", WebPage, "maker.linkedin"},
    {"TForm1.Image55Click", WebPage, "maker.twitter"},
    {"TForm1.Image57Click", WebPage, "maker.youtube"},
    // Calculator pages.
    {"TForm1.Button10Click", WebPage, "article.speed-of-light"},
    {"TForm1.Button6Click", WebPage, "article.si-prefixes"},
    {"TForm1.Button12Click", WebDocument, "note.dbm-table"},
    {"TForm1.Button13Click", WebPage, "article.ohms-law"},
    {"TForm1.Button14Click", WebPage, "chart.capacitance-units"},
    {"TForm1.Button19Click", WebPage, "tool.parallel-resistors"},
    {"TForm1.Button11Click", WebPage, "org.ipc"},
    {"TForm1.Button15Click", WebDocument, "paper.planar-spiral-inductances"},
    {"TForm1.Button16Click", WebPage, "article.effective-dielectric-constant"},
    {"TForm1.Button7Click", WebPage, "article.wavelength"},
    {"TForm1.Button8Click", WebPage, "article.effective-dielectric-constant"},
    {"TForm1.Button9Click", WebPage, "article.speed-of-light"},
    {"TForm1.Button17Click", WebPage, "article.fusing-current"},
    {"TForm1.BitBtn5Click", WebPage, "article.crystal-load-capacitors"},
    {"TForm1.BitBtn8Click", WebDocument, "paper.coupled-lines-crosstalk"},
    {"TForm1.BitBtn9Click", WebPage, "article.via-stubs"},
    {"TForm1.BitBtn10Click", WebPage, "article.via-modelling"},
    // About.
    {"TForm2.Button2Click", WebPage, "maker.feedback"},
    {"TForm2.Button3Click", WebPage, "developer.profile"},
    {"TForm2.Button4Click", MailLink, "maker.sales-mail"},
    {"TForm2.Button5Click", WebPage, "maker.home"},
    {"TForm2.Image4Click", WebPage, "maker.donation"},
    {"TForm2.Image2Click", WebPage, "maker.facebook"},
    {"TForm2.Image77Click", WebPage, "maker.instagram"},
    {"TForm2.Image3Click", WebPage, "maker.linkedin"},
    {"TForm2.Image55Click", WebPage, "maker.twitter"},
    {"TForm2.Image7Click", WebPage, "maker.youtube"},
    // EDA links; the empty items have no handler.
    {"TForm9.Button4Click", WebPage, "eda.circuit-lab"},
    {"TForm9.ButtonGroup1Items0Click", WebPage, "eda.circuit-lab"},
    {"TForm9.ButtonGroup1Items1Click", WebPage, "eda.mathcad"},
    {"TForm9.ButtonGroup1Items2Click", WebPage, "eda.multisim"},
    {"TForm9.ButtonGroup1Items3Click", WebPage, "eda.sonnet"},
    {"TForm9.ButtonGroup1Items4Click", WebPage, "eda.hfss"},
    {"TForm9.ButtonGroup1Items5Click", WebPage, "eda.rf-synthesis"},
    {"TForm9.ButtonGroup1Items6Click", WebPage, "eda.sigrity"},
    {"TForm9.ButtonGroup1Items7Click", WebPage, "eda.hyperlynx"},
    {"TForm9.ButtonGroup1Items8Click", WebPage, "eda.webench"},
    {"TForm9.ButtonGroup1Items9Click", WebPage, "eda.pspice-for-ti"},
    {"TForm9.ButtonGroup2Items0Click", WebPage, "eda.scheme-it"},
    {"TForm9.ButtonGroup2Items1Click", WebPage, "eda.snap-eda"},
    {"TForm9.ButtonGroup3Items0Click", WebPage, "eda.3d-content-central"},
    {"TForm9.ButtonGroup4Items0Click", WebPage, "eda.fedevel-academy"},
    {"TForm9.ButtonGroup4Items1Click", WebPage, "eda.si-design-notes"},
    {"TForm9.ButtonGroup5Items0Click", WebPage, "org.ipc"},
    {"TForm9.ButtonGroup5Items1Click", WebPage, "org.ieee"},
    {"TForm9.ButtonGroup5Items2Click", WebPage, "book.printed-circuits-handbook"},
    {"TForm9.ButtonGroup5Items3Click", WebPage, "book.hitchhikers-guide-to-pcb-design"},
    {"TForm9.ButtonGroup6Items0Click", WebPage, "eda.eevblog"},
};

}  // namespace

std::vector<Link> LinksOf(std::string_view windowClass) {
  std::vector<Link> out;
  for (const Link& link : kLinks) {
    const std::string_view handler = link.handler;
    if (handler.size() > windowClass.size() && handler.starts_with(windowClass) && handler[windowClass.size()] == '.')
      out.push_back(link);
  }
  return out;
}

}  // namespace cq
