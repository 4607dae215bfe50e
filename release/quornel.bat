REM quornel 柱・壁・寸法を作図（画面で入力）
@echo off
REM #jww
REM #cd
REM #h0
REM #0 柱の通り芯の交点を指示してください
REM #e
REM Jw_cad の書いた JWC_TEMP.TXT を、quornel の読む TEMP.TXT に移します。
REM 前回の TEMP.TXT は先に消すので、古い縮尺や文字の大きさで作図することはありません。
if exist TEMP.TXT del TEMP.TXT
if exist JWC_TEMP.TXT move /y JWC_TEMP.TXT TEMP.TXT > nul
REM 「作図」で quornel が JWC_TEMP.TXT を書き、Jw_cad がそれを図面に読み込みます。
REM 「キャンセル」のときは何も書かないので、図面は変わりません。
quornel.exe
