// SPDX-License-Identifier: MIT
#include "scripts/ToolTemplates.h"

#include "scripts/TextRules.h"

namespace vorrel {

namespace {

// Every script block hides its body from browsers that do not run scripts.
constexpr std::string_view kScriptOpen = R"js(<SCRIPT language="JavaScript">
<!--
)js";
constexpr std::string_view kScriptClose = R"js(
// -->
</SCRIPT>)js";

// The Timer and the ISP Cost Calculator count alike. A tick shows the count as it stands, then
// cancels any pending tick before it advances and arms the next one: that is what keeps a second
// press of Start from doubling the speed.
constexpr std::string_view kCountGlobals = R"js(var ttmnow = 0;
var ths = "0";
var thn = 0;
var tms = "0";
var tmn = 0;
var tss = "0";
var tsn = 0;
)js";

constexpr std::string_view kCountDisplay = R"js(  ths = thn;
  tms = tmn;
  tss = tsn;
  if (thn < 10) ths = "0" + ths;
  if (tmn < 10) tms = "0" + tms;
  if (tsn < 10) tss = "0" + tss;
  document.ttmfm.ttm.value = "" + ths + ":" + tms + ":" + tss;
)js";

constexpr std::string_view kCountAdvance = R"js(  if (ttmnow != 0)
  {
    clearTimeout(ttmnow);
    ttmnow = 0;
  }
  tsn += 1;
  if (tsn > 59)
  {
    tmn += 1;
    tsn = 0;
    if (tmn > 59)
    {
      thn += 1;
      tmn = 0;
      if (thn > 23) thn = 0;
    }
  }
  ttmnow = setTimeout("tstarttm()", 1000);
)js";

// Stop keeps the count (and the stale handle, which the next Start clears harmlessly).
constexpr std::string_view kCountStop = R"js(function tendtm()
{
  clearTimeout(ttmnow);
}
)js";

} // namespace

std::string plainHeading(std::string_view caption) {
    std::string heading = "<h2>";
    heading += caption;
    heading += "</h2>";
    return heading;
}

std::string centeredHeading(std::string_view caption) {
    return "<center>" + plainHeading(caption);
}

std::string_view clockScriptBlock() {
    static const std::string text = withCrLf({kScriptOpen, R"js(var ctmnow = 0;
var  cnewdt;

function cendtm()
{
  if (ctmnow != 0) clearTimeout(ctmnow);
}

function cstarttm()
{
  var ceh, cem, ces;
  if (ctmnow != 0)
  {
    clearTimeout(ctmnow);
    ctmnow = 0;
  }
  cnewdt = new Date();
  ceh = cnewdt.getHours();
  cem = cnewdt.getMinutes();
  ces = cnewdt.getSeconds();
  if (ceh < 10) ceh = "0" + ceh;
  if (cem < 10) cem = "0" + cem;
  if (ces < 10) ces = "0" + ces;
  document.ctmfm.ctm.value = "" + ceh + ":" + cem + ":" + ces;
  ctmnow = setTimeout("cstarttm()", 1000);
}
)js",
                                              kScriptClose});
    return text;
}

std::string_view clockForm() {
    static const std::string text = withCrLf({R"js(<form name="ctmfm" size=8>
<input type="text" name="ctm">
</form>)js"});
    return text;
}

std::string_view clockBodyAttributes() {
    return " onload=\"cstarttm()\" onunload=\"cendtm()\"";
}

std::string_view clockBodyTag() {
    return "</HEAD>\r\n<BODY  onload=\"cstarttm()\" onunload=\"cendtm()\">";
}

std::string_view timerScriptBlock() {
    static const std::string text =
        withCrLf({kScriptOpen, kCountGlobals, R"js(
function treset()
{
  tendtm();
  thn = 0;
  tmn = 0;
  tsn = 0;
  document.ttmfm.ttm.value = "00:00:00";
}

)js",
                  kCountStop, R"js(
function tstarttm()
{
)js",
                  kCountDisplay, kCountAdvance, "}\n", kScriptClose, "\n"});
    return text;
}

std::string_view timerForm() {
    static const std::string text = withCrLf({R"js(<form name="ttmfm">
<input type="text" name="ttm"  size=8><br>
<input type="button" name="start" value="Start"  onClick="tstarttm()">
<input type="button" name="stop" value="Stop"  onClick="tendtm()">
<input type="button" name="reset" value="Reset"  onClick="treset()">
</form>
)js"});
    return text;
}

std::string_view timerBodyAttributes() {
    return " onload=\"document.ttmfm.ttm.value = '00:00:00'\" onunload=\"tendtm()\"";
}

std::string_view timerBodyTag() {
    return "</HEAD>\r\n<BODY onload=\"document.ttmfm.ttm.value = '00:00:00'\" "
           "onunload=\"tendtm()\">\r\n";
}

std::string_view searchPadScriptBlock() {
    // The engine is recognised by the text of the chosen option, so the names compared here must
    // match the option texts of the Search Pad form.
    static const std::string text = withCrLf({kScriptOpen, R"js(function srchnow(fm)
{
  var http;
  var sterms = "";
  var j = 0;
  var k, l, engvar;
  var tmp = fm.terms.value;

  for (j = 0; j < tmp.length; j++)
  {
    if (tmp.charAt(j) == " ") sterms = sterms + "+";
    else sterms = sterms + tmp.charAt(j);
  }

  l = fm.engine.options.length;
  for (k = 0; k < l; k++)
  {
    if (fm.engine.options[k].selected == true) engvar = fm.engine.options[k].text;
  }

  if (engvar == "infoSeek")
    http = "http://www.infoseek.com/Titles?qt=" + sterms + "&col=WW&sv=N3&lk=noframes&nh=10";
  if (engvar == "Excite")
    http = "http://www.excite.com/search.gw?c=web&search=" + sterms + "&trace=a&x=47&y=16";
  if (engvar == "Lycos")
    http = "http://www.lycos.com/cgi-bin/pursuit?query=" + sterms + "&cat=lycos&x=28&y=9";
  if (engvar == "WebCrawler")
    http = "http://www.webcrawler.com/cgi-bin/WebQuery?mode=compact&maxHits=25&searchText=" + sterms;
  if (engvar == "AltaVista")
    http = "http://www.altavista.digital.com/cgi-bin/query?pg=q&what=web&fmt=.&q=" + sterms;
  if (engvar == "HotBot")
    http = "http://www.hotbot.com/?SW=web&SM=MC&MT=" + sterms + "&DC=10&DE=2&RG=NA&_v=2&act.search.x=85&act.search.y=3";

  window.open(http, "Results", "toolbar=yes,location=yes,directories=no,status=yes,menubar=no,scrollbars=yes,resizable=yes,copyhistory=yes,width=600,height=500");
  return;
}
)js",
                                              kScriptClose, "\n"});
    return text;
}

std::string_view searchPadForm() {
    static const std::string text = withCrLf({R"js(<form>
1. Enter search terms here:<BR>
<input type="text" name="terms" value="">
<BR>
2. Select your search engine:<BR>
<select name="engine">
  <option value="Lycos" >Lycos
  <option value="WebCrawler">WebCrawler
  <option value="Excite">Excite
  <option value="infoSeek">infoSeek
  <option value="AltaVista">AltaVista
  <option value="HotBot">HotBot
  </select>
<BR>
<BR>
<input type="button" value="3. Search Now" onClick="srchnow(this.form)">
</form>
)js"});
    return text;
}

std::string_view ispCostScriptBlock() {
    // The cost is worked out from the count being shown, before it advances, so the time and
    // the cost on screen always agree.
    static const std::string text = withCrLf(
        {kScriptOpen, kCountGlobals, R"js(var tcn = 0;
var tcphn = 0;

function treset()
{
  tendtm();
  thn = 0;
  tmn = 0;
  tsn = 0;
  document.ttmfm.tcst.value = "0.00";
  document.ttmfm.ttm.value = "00:00:00";
}

)js",
         kCountStop, R"js(
function tstarttm()
{
  tcphn = document.ttmfm.tcph.value;
)js",
         kCountDisplay,
         R"js(  document.ttmfm.tcst.value = Math.floor(100 * tcphn * (Number(tsn) / 3600 + Number(tmn) / 60 + Number(thn))) / 100;
)js",
         kCountAdvance, "}\n", kScriptClose, "\n"});
    return text;
}

std::string_view ispCostForm() {
    static const std::string text = withCrLf({R"js(<form name="ttmfm">
Cost per hour (no currency symbol):
<input type="text" name="tcph" value="0.00" size="8"><br>
Time: <input type="text" name="ttm" value="00:00:00" size="8">
Cost:  <input type="text" name="tcst" value="0.00" size="8"><br>
<input type="button" value="Start"  onClick="tstarttm()">
<input type="button" value="Stop"  onClick="tendtm()">
<input type="button" value="Reset"  onClick="treset()">
</form>
)js"});
    return text;
}

std::string_view plainBodyTag() {
    return "</HEAD>\r\n<BODY>\r\n";
}

} // namespace vorrel
