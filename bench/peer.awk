# The peer: the script a modder would write for the same job. Reads a game
# file (the backup), replaces the rule lines inside the section named by
# -v header=..., and writes every line with CR LF.
{ sub(/\r$/, "") }
/^\[/ { in_section = ($0 == header) }
in_section && header == "[AdvancedEngine.AdvancedGameInfo]" &&
    ($0 == "OverridePlayerControllerClass=class'DOTZEngine.DOTZPlayerController'" ||
     $0 == "OverridePlayerControllerClass=Class'DOTZEngine.DOTZPlayerController'" ||
     $0 == "OverridePlayerControllerClass=Class'Korvane_V11.ZPlayerController'") {
  $0 = "OverridePlayerControllerClass=Class'Korvane_V12.ZPlayerController'"
}
in_section && header == "[Progress]" {
  if ($0 == "ReceiveFile=") $0 = "ReceiveFile=Downloading File %s"
  else if ($0 == "ReceiveOptionalFile=") $0 = "ReceiveOptionalFile=Downloading Optional Package %s"
  else if ($0 == "ReceiveSize=Downloading Map: Size %iK, Complete %3.1f%%")
    $0 = "ReceiveSize=Downloading: Size %iK, Complete %3.1f%%"
}
{ printf "%s\r\n", $0 }
