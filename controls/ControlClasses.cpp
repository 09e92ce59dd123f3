#include "controls/ControlClasses.h"

#include "controls/MyProgressBar.h"
#include "toolkit/ui/ClassTable.h"

namespace nuvex {

void AddControlClasses(TClassRegistry& classes) {
  using namespace property;
  using C = TMyProgressBar;
  TComponentClass bar{"TMyProgressBar", "TGraphicControl", Maker<C>(), {}};
  bar.Properties = {
      {"ColorDone", Colour(&C::SetColorDone)},
      {"ColorToDo", Colour(&C::SetColorToDo)},
      {"ColorFrame", Colour(&C::SetColorFrame)},
      {"BorderWidth", Integer(&C::SetBorderWidth)},
      {"ShowPercentage", Boolean(&C::SetShowPercentage)},
      {"Min", Integer(&C::SetMin)},
      {"Max", Integer(&C::SetMax)},
      {"Position", Integer(&C::SetPosition)},
      {"Step", Integer(&C::SetStep)},
      {"InfoText", Text(&C::SetInfoText)},
      {"LinkInfoLabel", Reference(&C::SetLinkInfoLabel)},
      {"Shape", Enumeration(&C::SetShape, std::vector<std::pair<std::string, TProgressShape>>{
                                              {"psBox", psBox}, {"psFrame", psFrame}, {"psTopLine", psTopLine},
                                              {"psBottomLine", psBottomLine}, {"psLeftLine", psLeftLine},
                                              {"psRightLine", psRightLine}, {"psSpacer", psSpacer}})},
      {"Style", Enumeration(&C::SetStyle, std::vector<std::pair<std::string, TProgressStyle>>{
                                              {"psLowered", psLowered}, {"psRaised", psRaised}})},
      {"OnChangePosition", Handler(&C::OnChangePosition)},
  };
  classes.Add(std::move(bar));
}

}  // namespace nuvex
