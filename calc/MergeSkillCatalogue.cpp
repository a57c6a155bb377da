#include "calc/MergeSkillCatalogue.h"

#include "calc/Texts.h"

namespace {

constexpr std::array<TMergeSkill, 12> kCatalogue = {{
    {kSkillLiTi, &TPetInput::ll, &TPetInput::tp, kFusionLi, kHiddenLiTi, kLevelsLiTi, kEffectLiTi},
    {kSkillTiLi, &TPetInput::tp, &TPetInput::ll, kFusionTi, kHiddenTiLi, kLevelsTiLi, kEffectTiLi},
    {kSkillLiYuan, &TPetInput::ll, &TPetInput::ys, kFusionLi, kHiddenLiYuan, kLevelsLiYuan,
     kEffectLiYuan},
    {kSkillYuanLi, &TPetInput::ys, &TPetInput::ll, kFusionYuan, kHiddenYuanLi, kLevelsYuanLi,
     kEffectYuanLi},
    {kSkillLiJin, &TPetInput::ll, &TPetInput::jg, kFusionLi, kHiddenLiJin, kLevelsLiJin,
     kEffectLiJin},
    {kSkillJinLi, &TPetInput::jg, &TPetInput::ll, kFusionJin, kHiddenJinLi, kLevelsJinLi,
     kEffectJinLi},
    {kSkillTiYuan, &TPetInput::tp, &TPetInput::ys, kFusionTi, kHiddenTiYuan, kLevelsTiYuan,
     kEffectTiYuan},
    {kSkillYuanTi, &TPetInput::ys, &TPetInput::tp, kFusionYuan, kHiddenYuanTi, kLevelsYuanTi,
     kEffectYuanTi},
    {kSkillTiJin, &TPetInput::tp, &TPetInput::jg, kFusionTi, kHiddenTiJin, kLevelsTiJin,
     kEffectTiJin},
    {kSkillJinTi, &TPetInput::jg, &TPetInput::tp, kFusionJin, kHiddenJinTi, kLevelsJinTi,
     kEffectJinTi},
    {kSkillYuanJin, &TPetInput::ys, &TPetInput::jg, kFusionYuan, kHiddenYuanJin, kLevelsYuanJin,
     kEffectYuanJin},
    {kSkillJinYuan, &TPetInput::jg, &TPetInput::ys, kFusionJin, kHiddenJinYuan, kLevelsJinYuan,
     kEffectJinYuan},
}};

} // namespace

const std::array<TMergeSkill, 12>& MergeSkillCatalogue() {
    return kCatalogue;
}
