# Writes a game file of about mib MiB to standard output:
#   awk -v kind=lotd|engine -v mib=16 -v eol=crlf|lf -f generate.awk
# Sections of keys as the game has them; every 50th section is the one the
# updater rewrites, holding the lines its rules replace.
function line(text) {
  printf "%s%s", text, nl
  bytes += length(text) + length(nl)
}
function lotd_block(i) {
  if (i % 50 == 0) {
    line("[AdvancedEngine.AdvancedGameInfo]")
    line("bShowHints=True")
    line("OverridePlayerControllerClass=class'DOTZEngine.DOTZPlayerController'")
    line("GameSpeed=1.000000")
  } else {
    line("[Engine.Package" i "]")
    line("RenderDevice=D3DDrv.D3DRenderDevice")
    line("WindowedViewportX=1024")
    line("Paths=../Maps/*.lotd")
    line("CacheSizeMegs=" (i % 64))
    line("; comment line " i " kept as it is")
  }
  line("")
}
function engine_block(i) {
  if (i % 50 == 0) {
    line("[Progress]")
    line("CancelledConnect=Cancelled Connect Attempt")
    line("ReceiveFile=")
    line("ReceiveOptionalFile=")
    line("ReceiveSize=Downloading Map: Size %iK, Complete %3.1f%%")
  } else {
    line("[Errors" i "]")
    line("NetOpen=Error opening file")
    line("NetWrite=Error writing to file")
    line("ReceiveFile=")
    line("Upgrade=To enter this server, you need the latest free update.")
  }
  line("")
}
BEGIN {
  nl = eol == "lf" ? "\n" : "\r\n"
  limit = mib * 1024 * 1024
  for (i = 1; bytes < limit; i++) {
    if (kind == "lotd")
      lotd_block(i)
    else
      engine_block(i)
  }
}
