#include "ui/windows/help_window.h"

#include <QTextBrowser>
#include <QVBoxLayout>

const char* help_text()
{
    return R"(<h3>What the simulator shows</h3>
<p>Test data bytes travel through a CDMA transmitter, an analog radio path and a receiver.
Each block of the diagram is one step; the receiver undoes the steps in reverse order.</p>
<h4>The blocks</h4>
<ul>
<li><b>conv. encoder</b>: adds redundancy, two code bits per data bit, so that the
<b>Viterbi decoder</b> can correct wrong bits.</li>
<li><b>interleaver</b>: shuffles the code bits, so that a burst of errors is spread out
before the decoder sees it; the <b>deinterleaver</b> restores the order.</li>
<li><b>Walsh encoder</b>: each group of 6 bits becomes one of 64 orthogonal Walsh
functions; the <b>Hadamard transform</b> and the <b>soft Walsh decoder</b> find the most
likely one.</li>
<li><b>PN-U</b>, <b>PN-I</b>, <b>PN-Q</b>: pseudo-noise sequences that spread the chips over
the band; multiplying by the same sequence again despreads them.</li>
<li><b>DAC</b> with Nyquist pulses, <b>sin/cos mixers</b> and the <b>band-pass</b> filters:
the analog path, with the IF and RF carriers. <b>noise</b> is added on the way.</li>
<li><b>ADC</b>: averages the demodulated signal over each chip and gives soft chips back to
the digital receiver.</li>
</ul>
<h4>The buttons</h4>
<ul>
<li>A blue <b>?</b> plots the signal at that point over the chosen time window
(the arrows above shift and scale it). Move the mouse over a plot: its title line reads out
the time, the sample and the value under the mouse.</li>
<li><b>FFT</b> shows the spectrum of the first plot drawn since the last run, time-window
change or spectrum while its window is open; the line beside it reads out the frequency and
level under the mouse.</li>
<li>The red buttons open teaching views (encoder/decoder, Walsh functions, PN generators,
band-pass filters, eye pattern, constellation). <b>Esc</b> hides them again.</li>
<li><b>constellation</b> shows every chip of the last run as a point (I to the right, Q
up): the ADC's soft chips, or with <b>xmit/rcve</b> the chips the DAC is given. The dashed
lines are the decision lines; red points lie on the wrong side, and the caption counts them
per branch. A clean run gives four clusters. Try noise (they spread and overlap), an IF or
RF phase error (they turn), a detuned carrier (they smear as the phase runs away) and one
I/Q branch (they lie on the I axis).</li>
<li><b>error sweep</b> runs the chain for a range of one parameter and plots the share of
wrong signals at every receive step: see where each layer breaks down.</li>
<li><b>save/load parameters</b> keep a set of parameters in a lesson file.</li>
</ul>
<h4>The result line</h4>
<p>"rcve step 1: E wrong out of N signals" counts the decoded data bits that differ from
the sent ones. A receive plot's title counts the same for its step: how many code bits,
Walsh symbols or chips the receiver got wrong before the decoder of that step.</p>
<h4>Keys</h4>
<p><b>F1</b> this help, <b>Ctrl+R</b> run (while "xmit/rcve" is offered: after a run it
comes back once a parameter set is confirmed or a lesson file is loaded), <b>Ctrl+W</b>
close the plot window in front,
<b>Esc</b> hide the open teaching view. While a long job shows its progress, <b>Esc</b> or
<b>Cancel</b> stops it.</p>)";
}

THelp_window::THelp_window(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("help");
    text = new QTextBrowser(this);
    text->setHtml(help_text());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    resize(560, 520);
}

THelp_window* THelp_window::open(QWidget* main)
{
    auto* help = main->findChild<THelp_window*>(QString(), Qt::FindDirectChildrenOnly);
    if (help == nullptr) help = new THelp_window(main);
    help->show();
    help->raise();
    help->activateWindow();
    return help;
}
