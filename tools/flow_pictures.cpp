// Writes a picture of each step of the user's flow through the window into a folder, for a
// person to look at after changing what the windows show:
//   flow_pictures /tmp/pics
// Each scene starts from a fresh main screen on program-start parameters and is driven with
// the mouse events a user's clicks send. Without a display it draws on the offscreen platform.
#include "analog/analog_mod.h"
#include "engine/par_rows.h"
#include "engine/parameters.h"
#include "engine/stage_codes.h"
#include "ui/parameters/parameter_btn.h"
#include "ui/parameters/sweep_dialog.h"
#include "ui/plots/fourier_plot.h"
#include "ui/plots/signal_plot.h"
#include "ui/plots/sweep_window.h"
#include "ui/views/bp_plots.h"
#include "ui/views/eye_patterns.h"
#include "ui/views/spreading_fcts.h"
#include "ui/views/viterbi_decoder.h"
#include "ui/widgets/paint_box.h"
#include "ui/widgets/progress_runner.h"
#include "ui/widgets/refusal_box.h"
#include "ui/windows/get_plots.h"
#include "ui/windows/help_window.h"
#include "ui/windows/main_screen.h"
#include "ui/windows/run_extras.h"
#include "ui/windows/run_menue.h"
#include "ui/windows/sim_application.h"
#include "ui/windows/start_menue.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include <cstdlib>
#include <iostream>
#include <memory>

namespace {

// The size of the main screen in every picture.
constexpr int screen_width = 1032;
constexpr int screen_height = 702;

class Scene {
public:
    explicit Scene(const QDir& out) : out(out)
    {
        analog_pars().set_defaults();
        apply_start_pars(6, 3);
        main = std::make_unique<TMain_screen>();
        main->show();
        main->open_start_menu();
        main->resize(screen_width, screen_height);
    }

    ~Scene()
    {
        main.reset();
        flush_deletes();
    }

    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    std::unique_ptr<TMain_screen> main;

    void save(QWidget& w, const char* name) const
    {
        QCoreApplication::processEvents();
        if (!w.grab().save(out.filePath(name))) {
            std::cerr << "flow_pictures: cannot write " << out.filePath(name).toStdString() << '\n';
            failed = true;
        }
    }

    static void flush_deletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static void click(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

    void press_setup(int stages = 6, int bytes = 3)
    {
        apply_start_pars(stages, bytes);
        click(main->start_menu()->setup);
        flush_deletes();
    }

    TGet_plots& picker() { return *main->run_menu()->Get_plots; }

    void setup_and_run(int stages, int bytes)
    {
        press_setup(stages, bytes);
        click(picker().run);
    }

    // The last child window carrying a stage code.
    QMdiSubWindow* last_plot_window() const
    {
        flush_deletes();
        QMdiSubWindow* last = nullptr;
        for (QMdiSubWindow* w : main->child_windows())
            if (w->property("Tag").toInt() < 1000) last = w;
        return last;
    }

    static inline bool failed = false;

private:
    QDir out;
};

void every_step_of_the_flow(Scene& s)
{
    TMain_screen& main = *s.main;
    s.save(main, "1_start.png");
    Scene::click(main.start_menu()->analog_par->button);
    s.save(main, "2_parameter_menu.png");
    main.show_menu_buttons();
    s.press_setup();
    s.save(main, "3_run_menu.png");
    Scene::click(s.picker().run);
    s.save(main, "4_after_run.png");
    for (int code : {1, 106, -10, -106}) main.view_item(code);
    Scene::click(s.picker().FFT);
    Scene::click(s.picker().see_result);
    s.save(main, "5_plots.png");
    auto& last = dynamic_cast<TSignal_plot&>(*s.last_plot_window());
    QTest::mouseMove(last.bits, QPoint(300, 60));
    s.save(main, "5a_read_out_plot.png");
    QTest::mouseMove(main.fourier_plot(0)->Fourier, QPoint(40, 60));
    s.save(main, "5b_read_out.png");
    TRun_extras::ask_plan = [](QWidget*, const std::optional<Sweep_plan>&) {
        return Sweep_plan{par_row_named("noise_to_signal"), 0.0f, 20.0f, 12, false};
    };
    Scene::click(main.run_menu()->Run_extras->error_sweep);
    TRun_extras::ask_plan = nullptr;
    s.save(main, "x1_sweep.png");
    main.run_menu()->Run_extras->last_window()->log_y->setChecked(true);
    s.save(*main.run_menu()->Run_extras->last_window(), "x2_sweep_log.png");
    TSweep_dialog dialog(&main);
    dialog.show();
    s.save(dialog, "x3_sweep_dialog.png");
    s.save(*THelp_window::open(&main), "x4_help.png");
}

void encoder_and_decoder_views(Scene& s)
{
    TMain_screen& main = *s.main;
    s.setup_and_run(6, 3);
    Scene::click(s.picker().en_decoder);
    s.save(main, "v1_visualizer_opened.png");
    TViterbi_decoder& v = *main.viterbi_decoder();
    Scene::click(v.encoder);
    s.save(main, "v2_encoder_start.png");
    Scene::click(v.proceed);
    s.save(main, "v3_encoder_loaded.png");
    Scene::click(v.proceed);
    s.save(main, "v4_encoder_yields.png");
    for (int k = 0; k < 7; ++k) Scene::click(v.proceed);
    s.save(main, "v5_encoder_bit_3.png");
    Scene::click(s.picker().en_decoder);
    Scene::click(v.decoder);
    s.save(main, "v6_decoder_start.png");
    Scene::click(v.proceed);
    s.save(main, "v7_decoder_click_1.png");
    for (int k = 0; k < 11; ++k) Scene::click(v.proceed);
    s.save(main, "v8_decoder_click_12.png");
    for (int k = 0; k < 11; ++k) Scene::click(v.proceed);
    s.save(main, "v9_decoder_click_23.png");
    Scene::click(v.proceed);
    s.save(main, "v10_decoder_click_24.png");
}

void spreading_function_explorer(Scene& s)
{
    TMain_screen& main = *s.main;
    s.setup_and_run(6, 3);
    TSpreading_fcts& f = *main.spreading_fcts();
    Scene::click(s.picker().Walsh);
    s.save(main, "s1_walsh_opened.png");
    f.input1->setText("5");
    f.input2->setText("6");
    Scene::click(f.multiply);
    s.save(main, "s2_walsh_5x6.png");
    f.input3->setText("70");
    Scene::click(f.correlate);
    s.save(main, "s3_walsh_correlate_70.png");
    Scene::click(s.picker().PN_I);
    f.input4->setText("100000");
    Scene::click(f.max_nr);
    s.save(main, "s4_pn_i_count.png");
    f.input1->setText("3");
    f.input2->setText("3");
    Scene::click(f.multiply);
    s.save(main, "s5_pn_i_3x4.png");
    f.input3->setText("3");
    Scene::click(f.correlate);
    s.save(main, "s6_pn_i_correlate.png");
    Scene::click(f.show_gen);
    s.save(main, "s7_pn_i_generators.png");
    Scene::click(f.show_gen);
    s.save(main, "s8_pn_i_generators_stepped.png");
    Scene::click(s.picker().PN_U);
    f.input1->setText("4398046511000");
    f.input2->setText("-1");
    Scene::click(f.show_gen);
    s.save(main, "s9_pn_u_generators.png");
    Scene::click(s.picker().PN_Q);
    f.input4->setText("1000000");
    Scene::click(f.max_nr);
    Scene::click(f.pn_timing);
    s.save(main, "s10_pn_q_timing.png");
    f.input2->setText("x1");
    Scene::click(f.multiply);
    s.save(main, "s11_refused_entry.png");
}

// The eye pattern in each mode and the band-pass explorer with each test signal.
void teaching_views(Scene& s)
{
    TMain_screen& main = *s.main;
    s.setup_and_run(6, 36);
    Scene::click(s.picker().eye);
    TEye_patterns& eye = *main.eye_patterns();
    const char* names[4] = {"6_eye_rcve_I_running.png", "7_eye_rcve_Q_summing.png",
                            "8_eye_xmit_Q_summing.png", "9_eye_xmit_I_running.png"};
    QPushButton* toggles[4] = {nullptr, eye.I_Q, eye.xmit_rcve, eye.I_Q};
    for (int k = 0; k < 4; ++k) {
        if (toggles[k] != nullptr) Scene::click(toggles[k]);
        if (k == 1 || k == 3) Scene::click(eye.run_sum);
        Scene::click(eye.start);
        s.save(main, names[k]);
    }
    Scene::click(s.picker().bp_filter);
    TBp_plots& bp = *main.bp_plots();
    Scene::click(bp.show);
    s.save(main, "10_bandpass_chirp.png");
    bp.mode->setText("2");
    Scene::click(bp.show);
    s.save(main, "11_bandpass_tones.png");
}

// The places where a student used to get stuck or misled, as they look now.
void dead_ends_and_messages(Scene& s)
{
    TMain_screen& main = *s.main;
    s.press_setup();
    Scene::click(s.picker().distort_par->button);
    Scene::click(main.erase_button());
    s.save(main, "6_erase_with_menu_open.png");

    // A run cancelled at its first progress report, in blocks small enough to report one.
    const size_t saved_block = Analog_mod::block_samples;
    Analog_mod::block_samples = 64;
    Progress_runner::cancel_hook = [](double) { return true; };
    Scene::click(s.picker().run);
    Progress_runner::cancel_hook = nullptr;
    Analog_mod::block_samples = saved_block;
    s.save(main, "7_cancelled_run.png");

    Scene::click(s.picker().run);
    main.set_result(", rcve step 1: 11 wrong out of 288 signals; t = 1234 sec");
    for (const Stage_code& c : stage_codes) main.view_item(c.code);
    main.view_item(1);
    Scene::click(s.picker().see_result);
    s.save(main, "8_long_result_and_cascade.png");

    const auto box = refusal_box(&main, "\"ADC: samples/chip; IQ branches 1 or 2 == only I or "
                                        "...\", 2nd field (iq_branches):\n3 is out of range: "
                                        "allowed are 1 (I only) and 2 (I and Q)");
    box->show();
    s.save(*box, "9_refusal.png");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: flow_pictures FOLDER\n";
        return 2;
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform == nullptr || *platform == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 1);
    Sim_application app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".")) {
        std::cerr << "flow_pictures: cannot make the folder " << argv[1] << '\n';
        return 1;
    }
    for (void (*scene)(Scene&) :
         {every_step_of_the_flow, encoder_and_decoder_views, spreading_function_explorer,
          teaching_views, dead_ends_and_messages}) {
        Scene s(out);
        scene(s);
    }
    return Scene::failed ? 1 : 0;
}
