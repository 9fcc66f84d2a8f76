#include "script/gamescript.h"

#include <string>

#include "launch/gamefiles.h"
#include "platform/files.h"
#include "script/substitution.h"
#include "ui/mainform.h"

namespace zk {

namespace {

// Script switches: "//" comments a line of the template out.
std::string CommentedOutWhen(bool on) {
  return on ? "//" : "";
}
std::string Respawn(bool on) {
  return on ? "rnd 255" : "rnd -1";
}
std::string Number(int n) {
  return std::to_string(n);
}
std::string RateValue(const TTrackBar* rate) {
  return Number(rate->Max() - rate->Position());
}

void AppendGameRows(TLines& v, const TForm1& f) {
  v.push_back(Number(f.CSpinEdit4->Value()));
  v.push_back(CommentedOutWhen(f.CheckBox5->Checked()));
  v.push_back(CommentedOutWhen(!f.CheckBox4->Checked()));
  v.push_back(CommentedOutWhen(!f.CheckBox3->Checked()));
  v.push_back(Number(f.TrackBar27->Position()));
  v.push_back(CommentedOutWhen(!f.CheckBox2->Checked()));
  v.push_back(CommentedOutWhen(f.CheckBox12->Checked()));
  v.push_back(Respawn(f.CheckBox1->Checked()));
  v.push_back(Number(f.CSpinEdit3->Value() * 32));
  v.push_back(Respawn(f.CheckBox8->Checked()));
  v.push_back(Respawn(f.CheckBox7->Checked()));  // read even while disabled
  v.push_back(CommentedOutWhen(!f.CheckBox9->Checked()));
  v.push_back(CommentedOutWhen(!f.CheckBox10->Checked()));
  v.push_back("//");
  for (const TTrackBar* speed :
       {f.TrackBar7, f.TrackBar10, f.TrackBar8, f.TrackBar11, f.TrackBar6, f.TrackBar9})
    v.push_back(Number(speed->Position()));
}

void AppendPreferenceRows(TLines& v, const TForm1& f) {
  TPreferences prefs;
  const TTrackBar* sliders[] = {f.TrackBar1, f.TrackBar2, f.TrackBar3, f.TrackBar4, f.TrackBar5};
  for (size_t i = 0; i < prefs.size(); ++i) prefs[i] = {sliders[i]->Position(), sliders[i]->Tag};
  const TPreferences sorted = SortPreferences(prefs);
  for (const TPreference& p : sorted) v.push_back(Number(p.tag));
  for (int weight : PreferenceWeights(sorted)) v.push_back(Number(weight));
}

void AppendPowerAndRelease(TLines& v, const std::string& command, const TTrackBar* power,
                           const TTrackBar* release) {
  v.push_back(RepeatText(command, power->Position()));
  v.push_back(Number(ReleaseValue(release->Position())));
}

// Power, release value, release Position, rate value.
void AppendWeapon(TLines& v, const std::string& command, const TTrackBar* power,
                  const TTrackBar* release, const TTrackBar* rate) {
  AppendPowerAndRelease(v, command, power, release);
  v.push_back(Number(release->Position()));
  v.push_back(RateValue(rate));
}

// The expander or the shrinker, whichever CheckBox2 chooses; only its sliders are read.
void AppendShrinkFreezeRows(TLines& v, const TForm1& f) {
  const bool expander = f.CheckBox2->Checked();
  const TTrackBar* release = expander ? f.TrackBar31 : f.TrackBar26;
  AppendPowerAndRelease(v, expander ? "shoot GROWSPARK" : "shoot SHRINKER",
                        expander ? f.TrackBar30 : f.TrackBar25, release);
  v.push_back(expander ? "sound EXPANDERSHOOT" : "sound SHRINKER_FIRE");
  v.push_back(Number(release->Position()));
  v.push_back(RateValue(expander ? f.TrackBar29 : f.TrackBar24));
}

void AppendWeaponRows(TLines& v, const TForm1& f) {
  v.push_back(RepeatText("addphealth -5", f.TrackBar28->Position()));
  AppendWeapon(v, "shoot SHOTSPARK1", f.TrackBar13, f.TrackBar14, f.TrackBar12);
  AppendWeapon(v, "shoot SHOTGUN", f.TrackBar16, f.TrackBar17, f.TrackBar15);
  AppendWeapon(v, "shoot CHAINGUN", f.TrackBar19, f.TrackBar20, f.TrackBar18);
  AppendShrinkFreezeRows(v, f);
  AppendWeapon(v, "spawn FAKE_RPG", f.TrackBar22, f.TrackBar23, f.TrackBar21);
  v.push_back(CommentedOutWhen(f.CheckBox6->Checked()));
}

}  // namespace

TLines BuildScriptValues(const TForm1& form) {
  TLines values;
  values.reserve(52);
  AppendGameRows(values, form);
  AppendPreferenceRows(values, form);
  AppendWeaponRows(values, form);
  return values;
}

bool WriteGameScript(TForm1& form) {
  const std::string templateFile = form.ProgramDir + kScriptTemplateFile;
  if (!FileExists(templateFile)) return false;
  TLines lines = LoadLines(templateFile);
  SubstitutePlaceholders(lines, form.Memo6->Lines(), BuildScriptValues(form));
  SaveLines(form.GameDir + kGameScriptFile, lines);
  return true;
}

}  // namespace zk
